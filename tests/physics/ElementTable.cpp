#include "ElementTable.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fenra::test {

namespace {

using Table = std::vector<std::vector<std::string>>;

Table ReadCsv(const std::string& name) {
    const std::string path = std::string(FENRA_SOURCE_DIR) + "/data/" + name;
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    Table rows;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> cells;
        std::stringstream s(line);
        std::string cell;
        while (std::getline(s, cell, ',')) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

std::vector<ElementRow> Load() {
    const Table el = ReadCsv("elements.csv");
    const Table pc = ReadCsv("pcoef.csv");
    const Table hc = ReadCsv("hicoef.csv");
    if (el.size() != 92 || pc.size() != 92 || hc.size() != 92)
        throw std::runtime_error("element tables must have 92 rows");
    std::vector<ElementRow> rows;
    for (size_t i = 0; i < el.size(); ++i) {
        ElementRow r;
        r.Z = static_cast<int16_t>(std::stoi(el[i].at(0)));
        r.symbol = el[i].at(1);
        r.scrnFac = std::stof(el[i].at(5));
        r.natMass = std::stof(el[i].at(6));
        r.atomDensity = std::stof(el[i].at(7));
        r.fermi = std::stof(el[i].at(8));
        for (size_t k = 0; k < r.coef.P.size(); ++k) r.coef.P[k] = std::stod(pc[i].at(k + 1));
        for (size_t k = 0; k < r.coef.H.size(); ++k) r.coef.H[k] = std::stod(hc[i].at(k + 1));
        if (r.Z != static_cast<int>(i) + 1 || std::stoi(pc[i].at(0)) != r.Z ||
            std::stoi(hc[i].at(0)) != r.Z)
            throw std::runtime_error("element tables out of order at row " + std::to_string(i));
        rows.push_back(r);
    }
    return rows;
}

}  // namespace

const std::vector<ElementRow>& Elements() {
    static const std::vector<ElementRow> rows = Load();
    return rows;
}

const ElementRow& ElementZ(int Z) {
    return Elements().at(Z - 1);
}

const ElementRow& ElementSymbol(const std::string& symbol) {
    for (const ElementRow& r : Elements())
        if (r.symbol == symbol) return r;
    throw std::runtime_error("no element " + symbol);
}

}  // namespace fenra::test
