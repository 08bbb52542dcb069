// Runs a fuzz target over every file of the folders or files named on the command line, so the
// corpus is replayed as an ordinary test where libFuzzer is not linked in.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    // A corpus that is not there, or holds nothing, would replay nothing and still pass.
    if (argc < 2) {
        std::cerr << "no corpus named\n";
        return 1;
    }
    size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path root(argv[i]);
        size_t before = count;
        if (std::filesystem::is_directory(root)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
                if (entry.is_regular_file()) {
                    RunFile(entry.path());
                    ++count;
                }
            }
        } else if (std::filesystem::is_regular_file(root)) {
            RunFile(root);
            ++count;
        }
        if (count == before) {
            std::cerr << "no inputs in " << root << "\n";
            return 1;
        }
    }
    std::cout << "replayed " << count << " inputs\n";
    return 0;
}
