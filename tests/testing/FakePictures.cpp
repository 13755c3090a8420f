#include "testing/FakePictures.h"

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

}  // namespace pelmora::testing
