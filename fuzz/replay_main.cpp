// Replays fuzz inputs through a target's entry point without libFuzzer, so that
// the ordinary build checks every seed and finding: each file named on the
// command line, or each file of a directory named there, is one input. The
// inputs run in a scratch directory with data/ and tmp/, as under the fuzzer.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> inputsOf(const fs::path& path) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(path)) {
        for (const auto& entry : fs::directory_iterator(path)) {
            if (entry.is_regular_file()) inputs.push_back(fs::absolute(entry.path()));
        }
    } else {
        inputs.push_back(fs::absolute(path));
    }
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : inputsOf(argv[i])) inputs.push_back(input);
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE_OR_DIRECTORY...\n", argv[0]);
        return 2;
    }
    std::string scratch = (fs::temp_directory_path() / "quillan-fuzz-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) return 2;
    fs::current_path(scratch);
    fs::create_directory("data");
    fs::create_directory("tmp");
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    fs::current_path("/");
    fs::remove_all(scratch);
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
