// libFuzzer entry: a physics command line of fenra32-calc made of the bytes, one argument per
// line, on the build's database. It must end with status 0, 1 or 2 and say why on standard
// error when it is not 0. Options that name files (--db, -o) are left out: the fuzzer writes
// nothing and reads only the database and its material list.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "batch/BatchCalculator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const kCommands[] = {"stopping", "range", "layers", "energy-before",
                                            "energy-for-range"};
    if (size < 1) return 0;
    std::vector<std::string> args = {"--db", FENRA_BIN_DIR "/Fenra32.mdb", kCommands[data[0] % 5]};
    std::string arg;
    for (size_t k = 1; k <= size; ++k) {
        if (k == size || data[k] == '\n') {
            if (arg == "--db" || arg == "-o") return 0;
            args.push_back(arg);
            arg.clear();
        } else {
            arg += static_cast<char>(data[k]);
        }
    }
    std::ostringstream out, err;
    const int status = fenra::RunBatchCalculator(args, out, err);
    if (status < 0 || status > 2) __builtin_trap();
    if (status != 0 && err.str().empty()) __builtin_trap();
    return 0;
}
