#pragma once
// Small helpers shared by the file tests: scratch paths, whole-file reads, state building.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

#include "state/WorkingState.h"

namespace fenra::test {

// A fresh path in a scratch folder of this test program; the file does not exist yet.
inline std::string ScratchPath(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("fenra_files_tests_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path p = dir / name;
    std::filesystem::remove(p);
    return p.string();
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int CountCrLf(const std::string& text) {
    int n = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
        ++n;
    return n;
}

// A data set with its inputs and target slots; ElementCount is the number of slots given.
inline DataSet MakeDataSet(const std::string& ion, float mass, float energy, float range,
                           std::initializer_list<std::pair<const char*, float>> target) {
    DataSet d;
    d.IonName = ion;
    d.IonMass = mass;
    d.IonEnergy = energy;
    d.Range = range;
    int j = 0;
    for (const auto& [symbol, ratio] : target) {
        ++j;
        d.TargetElement[j] = symbol;
        d.TargetRatio[j] = ratio;
    }
    d.ElementCount = static_cast<int16_t>(j);
    return d;
}

}  // namespace fenra::test
