#pragma once

#include "platform/PicturePort.h"

#include <string>

namespace pelmora::testing {

// A picture as this fake knows it: its size and the file it was loaded from.
class FakePicture : public Picture {
public:
    FakePicture(int width, int height, std::string source)
        : m_Width(width), m_Height(height), m_Source(std::move(source)) {}
    int Width() const override { return m_Width; }
    int Height() const override { return m_Height; }
    const std::string& Source() const { return m_Source; }

private:
    int m_Width;
    int m_Height;
    std::string m_Source;
};

// Pictures in a tiny text format of their own ("FAKEPIC <width> <height>"), read from real files.
// The "bitmap" it encodes is that text behind a "BM" signature, so an installed logo loads again;
// the fitted 32-bit one names the fitted size and ends in " 32".
class FakePictures : public PicturePort {
public:
    static std::string FileBytes(int width, int height);

    std::shared_ptr<const Picture> Load(const std::string& path, std::string& error) override;
    std::optional<std::string> EncodeBmp(const Picture& picture) override;
    std::optional<std::string> EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight) override;

    bool encodeFails = false;
    int loads = 0;
};

}  // namespace pelmora::testing
