#include "testing/TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace pelmora::testing {

namespace {

std::string UniqueName()
{
    static std::atomic<unsigned> counter{0};
    static const auto seed = std::random_device{}() ^
                             static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    return "pelmora-test-" + std::to_string(seed) + "-" + std::to_string(counter++);
}

}  // namespace

TempDir::TempDir()
{
    const auto base = std::filesystem::temp_directory_path();
    // create_directory reports false when the name is taken: try another one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / UniqueName();
        if (std::filesystem::create_directory(candidate)) {
            m_Path = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder under " + base.string());
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Tests may leave read-only folders behind; give write permission back before removing.
    for (auto it = std::filesystem::recursive_directory_iterator(m_Path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(m_Path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(m_Path, ignored);
}

std::string TempDir::File(const std::string& name) const
{
    return (m_Path / name).string();
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace pelmora::testing
