#include "messages/Message.h"

namespace fenra {

Message Value(std::string v) {
    Message m;
    m.value = std::move(v);
    return m;
}

Message Sentence(const char* text, std::vector<Message> args) {
    Message m;
    m.text = text;
    m.args = std::move(args);
    return m;
}

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (c == '%' && k + 1 < text.size() && text[k + 1] >= '1' && text[k + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(text[k + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++k;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string Words(const Message& m) {
    if (!m.text) return m.value;
    std::vector<std::string> args;
    args.reserve(m.args.size());
    for (const Message& a : m.args) args.push_back(Words(a));
    return FillPlaceholders(m.text, args);
}

}  // namespace fenra
