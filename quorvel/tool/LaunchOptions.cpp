#include "quorvel/tool/LaunchOptions.h"

#include <charconv>

namespace quorvel {
namespace {

template <class T>
bool ParseInteger(const std::string& text, T* value) {
    if (text.empty() || text[0] == '+') return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::optional<std::string> LaunchOptions::CommandLine() const {
    if (args) return args;
    if (!window) return std::nullopt;
    return std::to_string(*window) + "," + *message + "," + *function + "," + path.value_or("");
}

std::optional<LaunchOptions> ParseLaunchOptions(const std::vector<std::string>& words,
                                                std::string* error) {
    LaunchOptions options;
    std::size_t i = 0;
    for (; i < words.size() && words[i] != "--"; ++i) {
        const std::string& option = words[i];
        if (i + 1 >= words.size() || words[i + 1] == "--") {
            *error = option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = words[++i];
        std::optional<std::string>* text = nullptr;
        if (option == "--store") {
            text = &options.store;
        } else if (option == "--message") {
            text = &options.message;
        } else if (option == "--function") {
            text = &options.function;
        } else if (option == "--path") {
            text = &options.path;
        } else if (option == "--args") {
            text = &options.args;
        } else if (option == "--window") {
            std::int32_t window = 0;
            if (!ParseInteger(value, &window)) {
                *error = "--window needs a signed 32-bit decimal number, not " + value;
                return std::nullopt;
            }
            options.window = window;
            continue;
        } else {
            *error = "unknown option " + option;
            return std::nullopt;
        }
        *text = value;
    }
    for (const auto* number : {&options.message, &options.function}) {
        std::int64_t ignored = 0;
        if (*number && !ParseInteger(**number, &ignored)) {
            *error = "--message and --function need decimal numbers, not " + **number;
            return std::nullopt;
        }
    }
    const bool fields = options.message || options.function || options.path;
    if (fields && !options.window) {
        *error = "--message, --function and --path need --window";
        return std::nullopt;
    }
    if (options.window && !options.args && (!options.message || !options.function)) {
        *error = "--window needs --message and --function (or --args)";
        return std::nullopt;
    }
    if (i + 1 >= words.size()) {
        *error = "no program after --";
        return std::nullopt;
    }
    options.program.assign(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
    return options;
}

}  // namespace quorvel
