#include "testing/FakePictures.h"

#include "platform/PictureFit.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace pelmora::testing {

std::string FakePictures::FileBytes(int width, int height)
{
    return "FAKEPIC " + std::to_string(width) + " " + std::to_string(height);
}

std::shared_ptr<const Picture> FakePictures::Load(const std::string& path, std::string& error)
{
    ++loads;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "The file cannot be opened";
        return nullptr;
    }
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (bytes.rfind("BM", 0) == 0)
        bytes.erase(0, 2);
    std::istringstream in(bytes);
    std::string magic;
    int width = 0;
    int height = 0;
    if (!(in >> magic >> width >> height) || magic != "FAKEPIC") {
        error = "The file is not a picture";
        return nullptr;
    }
    return std::make_shared<FakePicture>(width, height, path);
}

std::optional<std::string> FakePictures::EncodeBmp(const Picture& picture)
{
    if (encodeFails)
        return std::nullopt;
    return "BM" + FileBytes(picture.Width(), picture.Height());
}

std::optional<std::string> FakePictures::EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight)
{
    if (encodeFails)
        return std::nullopt;
    const PictureSize fitted = FitInside({picture.Width(), picture.Height()}, {boxWidth, boxHeight});
    return "BM" + FileBytes(fitted.width, fitted.height) + " 32";
}

}  // namespace pelmora::testing
