// A fuzz target as a plain program of the ordinary build (any compiler, no
// libFuzzer): runs the target once on every file of the folders given, its
// seeds and the findings the fuzzer saved, so that an input that once broke
// it fails every test run until the fault is mended, also where no clang is
// installed. A broken check aborts, as under the fuzzer.
//
//   <target>_replay SEED_FOLDER [FINDINGS_FOLDER...]
//
// A folder that does not exist holds no findings yet; no input at all is an
// error, so that a wrong path cannot pass unseen.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code missing;
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[i], missing)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to replay in the folders given\n");
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        // Named before it runs: a failing input is the last one named.
        std::printf("%s\n", input.string().c_str());
        std::fflush(stdout);
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                      std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
