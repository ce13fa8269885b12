#pragma once
// A sentence for the user as a template and its values: the English template with %1..%9
// placeholders, written once, and the values that fill it. fenra32-calc and the Python module
// say it in English (Words); the windows translate the template first (ui/messages), so every
// sentence exists once. A value may itself be a sentence (a reason inside a message).
//
// The templates are marked with FENRA_TRANSLATE_NOOP, which lupdate reads as
// QT_TRANSLATE_NOOP (-tr-function-alias QT_TRANSLATE_NOOP+=FENRA_TRANSLATE_NOOP), in the
// context kMessageContext.

#include <string>
#include <string_view>
#include <vector>

#define FENRA_TRANSLATE_NOOP(context, text) text

namespace fenra {

constexpr const char* kMessageContext = "fenra::Messages";

struct Message {
    const char* text = nullptr;  // the template; nullptr for a value shown as it is
    std::string value;           // the value, when text is nullptr
    std::vector<Message> args;   // what fills %1, %2, ... of the template

    bool Empty() const { return text == nullptr && value.empty(); }
};

// A value shown as it is (a path, a symbol, a number already written as text).
Message Value(std::string v);

// A template (marked with FENRA_TRANSLATE_NOOP) and its values.
Message Sentence(const char* text, std::vector<Message> args = {});

// Fills %1..%9 of `text` with args[0..8] in one pass, so that a "%1" inside a value is left as
// it is; a placeholder without a value is kept.
std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& args);

// The message in English.
std::string Words(const Message& m);

}  // namespace fenra
