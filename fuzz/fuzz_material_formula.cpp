// libFuzzer entry: any bytes as a material text, resolved as every command resolves one. The
// reader must end with a material of 1 to 10 elements of positive finite ratios, or refuse it
// with a PhysicsError; never crash, never recurse without bound.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"

namespace {

const fenra::ElementDatabase& Database() {
    static const fenra::ElementDatabase db =
        fenra::ElementDatabase::OpenFile(FENRA_BIN_DIR "/Fenra32.mdb");
    return db;
}

const fenra::MaterialList& List() {
    static const fenra::MaterialList list = fenra::MaterialList::LoadBeside(Database());
    return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const fenra::Material m = fenra::ResolveMaterial(text, Database(), List());
        if (m.elements.empty() || m.elements.size() > fenra::kMaxMaterialElements) __builtin_trap();
        for (const fenra::MaterialElement& e : m.elements)
            if (!(e.ratio > 0) || !std::isfinite(e.ratio)) __builtin_trap();
    } catch (const fenra::PhysicsError& e) {
        if (e.what()[0] == '\0') __builtin_trap();
    }
    return 0;
}
