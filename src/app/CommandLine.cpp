#include "app/CommandLine.h"

#include "app/LocaleTexts.h"

namespace dk {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

StartupOptions ParseStartupOptions(const std::vector<std::string>& args) {
    StartupOptions options;
    bool listSeen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--lang" || arg == "--encoding" || arg == "--screenshot";
        if (takesValue && i + 1 >= args.size()) {
            options.Error = arg + " needs a value";
            break;
        }
        if (arg == "--lang") {
            const std::string& value = args[++i];
            if (!IsLanguage(value, "RUS") && !IsLanguage(value, "ENG")) {
                options.Error = "--lang takes rus or eng";
                break;
            }
            options.Language = value;
        } else if (arg == "--encoding") {
            options.Encoding = args[++i];
        } else if (arg == "--screenshot") {
            options.Screenshot = args[++i];
        } else if (!listSeen) {
            // Only the first argument names a list, whatever follows.
            listSeen = true;
            options.ListArgument = Trimmed(arg);
        }
    }
    return options;
}

} // namespace dk
