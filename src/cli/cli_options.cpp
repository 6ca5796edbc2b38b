#include "cli/cli_options.h"

#include <charconv>

namespace dittaro::cli {

Options::Options(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                 const std::set<std::string>& flags) {
    bool onlyPositional = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPositional || arg.size() < 2 || arg.rfind("--", 0) != 0) {
            positional_.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPositional = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (valueOptions.count(name)) {
            if (equals != std::string::npos) {
                values_[name] = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                values_[name] = args[++i];
            } else {
                throw UsageError(name + " needs a value");
            }
        } else if ((flags.count(name) || name == "--help") && equals == std::string::npos) {
            values_[name] = "";
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
}

std::optional<std::string> Options::value(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string Options::value(const std::string& name, const std::string& fallback) const {
    return value(name).value_or(fallback);
}

int Options::integer(const std::string& name, int fallback, int min, int max) const {
    const auto text = value(name);
    if (!text) {
        return fallback;
    }
    int result = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, result);
    if (ec != std::errc() || ptr != end || result < min || result > max) {
        throw UsageError(name + " takes a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max));
    }
    return result;
}

double Options::number(const std::string& name, double fallback) const {
    auto text = value(name);
    if (!text) {
        return fallback;
    }
    for (char& c : *text) {
        if (c == ',') {
            c = '.';
        }
    }
    double result = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, result);
    if (ec != std::errc() || ptr != end) {
        throw UsageError(name + " takes a number");
    }
    return result;
}

bool Options::onOff(const std::string& name, bool fallback) const {
    const auto text = value(name);
    if (!text) {
        return fallback;
    }
    if (*text == "on") {
        return true;
    }
    if (*text == "off") {
        return false;
    }
    throw UsageError(name + " takes on or off");
}

const std::string& Options::single(const std::string& what) const {
    if (positional_.size() != 1) {
        throw UsageError("expected exactly one " + what);
    }
    return positional_.front();
}

} // namespace dittaro::cli
