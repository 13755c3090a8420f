// Runs a harness over the files and folders given, as a regression test of its corpus: the
// libFuzzer entry point without libFuzzer, so any build (the sanitizers' too) can run it.
#include "FuzzCheck.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path given(argv[i]);
        if (!fs::is_directory(given)) {
            inputs.push_back(given);
            continue;
        }
        for (const auto& entry : fs::directory_iterator(given)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::cerr << "no input to replay\n";
        return 1;
    }
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.eof() && in.fail()) {
            std::cerr << "cannot read " << input << '\n';
            return 1;
        }
        std::cerr << "replaying " << input.filename().string() << '\n';
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed\n";
    return 0;
}
