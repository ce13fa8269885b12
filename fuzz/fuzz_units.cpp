// libFuzzer entry: any bytes as an ENERGY, a THICKNESS or a --mass of the physics commands, a
// unit name and an ion name. A value read is finite and at least 0; anything else is refused
// with a PhysicsError naming the argument.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/PhysicsArguments.h"
#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"
#include "range/Units.h"

namespace {

const fenra::ElementDatabase& Db() {
    static const fenra::ElementDatabase db =
        fenra::ElementDatabase::OpenFile(FENRA_BIN_DIR "/Fenra32.mdb");
    return db;
}

const fenra::Target& Water() {
    static const fenra::Target t = [] {
        const fenra::ElementDatabase& db = Db();
        fenra::Material m = fenra::ParseFormula("H2O", db);
        m.density = 1;
        return fenra::MakeTarget(db, fenra::ResolveIon(db, "He"), m);
    }();
    return t;
}

void Check(double v) {
    if (!(v >= 0) || !std::isfinite(v)) __builtin_trap();
}

template <typename F>
void Read(F f, const char* argument) {
    try {
        Check(f());
    } catch (const fenra::PhysicsError& e) {
        if (std::string(e.what()).rfind(argument, 0) != 0) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Read([&] { return fenra::ParseEnergyArgument(text, 4.0026); }, "ENERGY");
    Read([&] { return fenra::ParseEnergyArgument(text, 1e-3); }, "ENERGY");
    Read([&] { return fenra::ParseThicknessArgument(text, Water()); }, "THICKNESS");
    Read([&] { return fenra::ParsePositiveNumber(text, "--mass"); }, "--mass");
    Read([&] { return fenra::ParseEnergyArgument(text, 238.0507826); }, "ENERGY");
    fenra::TypedStopUnit stop;
    fenra::TypedThicknessUnit thickness;
    if (fenra::TypedStopUnitOf(text, &stop) && !(stop.perBase > 0)) __builtin_trap();
    if (fenra::TypedThicknessUnitOf(text, &thickness) && !(thickness.perBase > 0)) __builtin_trap();
    try {
        const fenra::Ion ion = fenra::ResolveIon(Db(), text);
        if (!(ion.mass > 0) || ion.Z < 1 || ion.Z > 92) __builtin_trap();
    } catch (const fenra::PhysicsError& e) {
        const std::string m = e.what();
        if (m.rfind("the ion \"", 0) != 0 && m.rfind("the isotope \"", 0) != 0) __builtin_trap();
    }
    return 0;
}
