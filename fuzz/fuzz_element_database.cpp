// libFuzzer entry: any bytes opened as the element database either give a database that keeps
// every promise the calculation relies on, or one ElementDatabaseError; never a crash. The
// corpus starts from the real database, so the mutations are corrupted copies of it.

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "elements/ElementDatabase.h"

namespace {

// Every element numbered in order, with a symbol and physical values above 0.
bool Plausible(const fenra::ElementDatabase& db) {
    const auto& elements = db.Elements();
    if (elements.empty()) return false;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const fenra::ElementRecord& e = elements[k];
        if (e.AtomNum != static_cast<int>(k + 1) || e.Symbol.empty()) return false;
        for (float v : {e.MAIW, e.ScrnFac, e.NatMass, e.AtomDensity, e.Fermi})
            if (!std::isfinite(v) || !(v > 0)) return false;
        if (db.FindElementBySymbol(e.Symbol) != &e) return false;
        if (!db.FindCoefficientsByZ(fenra::CoefficientTable::PCoef, e.AtomNum)) return false;
    }
    return true;
}

std::string ScratchFile() {
    return "/dev/shm/fenra_fuzz_db_" + std::to_string(::getpid()) + ".mdb";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = ScratchFile();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) __builtin_trap();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) __builtin_trap();
    std::fclose(f);
    try {
        const fenra::ElementDatabase db = fenra::ElementDatabase::OpenFile(path);
        if (!Plausible(db)) __builtin_trap();
    } catch (const fenra::ElementDatabaseError&) {
        // A refused database is the expected outcome of most corruptions.
    }
    return 0;
}
