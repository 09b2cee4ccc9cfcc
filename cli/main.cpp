// quillmere-calc: runs one screen calculation from the command line, exactly
// as the desktop program's Calculate button does, and prints its writes.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "app/core/calculation.h"
#include "app/core/regional.h"
#include "loan/fault.h"
#include "screens/registry.h"

namespace {

constexpr int kExitWarning = 1;
constexpr int kExitError = 2;
constexpr int kExitUsage = 64;

constexpr const char* kUsage =
    "usage: quillmere-calc [--us] [--json] SCREEN [FIELD=TEXT]...\n"
    "       quillmere-calc --list [SCREEN]\n"
    "       quillmere-calc --help\n"
    "\n"
    "Runs a Quillmere calculator screen without its window: the fields not named\n"
    "keep their default texts; the result labels are printed in the order the\n"
    "screen writes them, then its message, if any.\n"
    "\n"
    "  SCREEN      qualify, refinance, selling, prepay-summary, prepay-target\n"
    "  FIELD=TEXT  an input field by its control name (see --list SCREEN); the\n"
    "              text is everything after the first '=', verbatim\n"
    "  --us        United States settings ($, comma, point) instead of the\n"
    "              system's regional settings\n"
    "  --json      one JSON object instead of LABEL<TAB>TEXT lines\n"
    "  --list      the screens, or a screen's fields: name, kind, MaxLength\n"
    "              (0: none) and default text\n"
    "\n"
    "Exit status: 0 no message, 1 a warning, 2 an arithmetic fault, 64 a usage error.\n";

int usageError(const std::string& reason)
{
    std::cerr << "quillmere-calc: " << reason << " (see quillmere-calc --help)\n";
    return kExitUsage;
}

const qm::ScreenDef* screenOrNull(std::string_view id, std::string& reason)
{
    if (const qm::ScreenDef* s = qm::findScreen(id))
        return s;
    for (std::string_view name : qm::kScreenNames)
        if (name == id) {
            reason = "the " + std::string(id) + " screen is not built yet";
            return nullptr;
        }
    reason = "unknown screen '" + std::string(id) + "'";
    return nullptr;
}

const char* kindName(qm::FieldKind kind)
{
    switch (kind) {
    case qm::FieldKind::Integer: return "integer";
    case qm::FieldKind::Real: return "real";
    case qm::FieldKind::YesNo: return "y/n";
    }
    return "?";
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

int list(int argc, char** argv, int next)
{
    if (next == argc) {
        for (const qm::ScreenDef* s : qm::allScreens())
            std::cout << s->id << '\t' << s->title << '\n';
        return 0;
    }
    if (next + 1 != argc)
        return usageError("--list takes at most one screen");
    std::string reason;
    const qm::ScreenDef* screen = screenOrNull(argv[next], reason);
    if (!screen)
        return usageError(reason);
    for (const qm::FieldSpec& f : screen->fields)
        std::cout << f.name << '\t' << kindName(f.kind) << '\t' << f.maxLength << '\t' << f.defaultText << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    qm::initFloatingPoint();

    bool us = false;
    bool json = false;
    int next = 1;
    for (; next < argc; ++next) {
        const std::string_view arg = argv[next];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--list")
            return list(argc, argv, next + 1);
        if (arg == "--us")
            us = true;
        else if (arg == "--json")
            json = true;
        else if (arg.starts_with("-"))
            return usageError("unknown option '" + std::string(arg) + "'");
        else
            break;
    }
    if (next == argc)
        return usageError("no screen named");

    std::string reason;
    const qm::ScreenDef* screen = screenOrNull(argv[next], reason);
    if (!screen)
        return usageError(reason);

    qm::FieldTexts texts = qm::defaultTexts(screen->fields);
    for (int i = next + 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::size_t eq = arg.find('=');
        if (eq == std::string_view::npos)
            return usageError("'" + std::string(arg) + "' is not FIELD=TEXT");
        const int index = qm::fieldIndex(screen->fields, arg.substr(0, eq));
        if (index < 0)
            return usageError("the " + std::string(screen->id) + " screen has no field '" +
                              std::string(arg.substr(0, eq)) + "'");
        texts[static_cast<std::size_t>(index)] = std::string(arg.substr(eq + 1));
    }

    const qm::RegionalSettings settings = us ? qm::RegionalSettings::unitedStates() : qm::systemRegionalSettings();
    const qm::Outcome outcome = screen->calculate(texts, settings);

    const bool fault = outcome.message && outcome.message->kind == qm::FinalEvent::Kind::Fault;
    const std::string messageText = outcome.message ? outcome.message->text + (fault ? "." : "") : "";
    if (json) {
        std::cout << "{\"screen\":" << jsonString(screen->id) << ",\"writes\":[";
        for (std::size_t i = 0; i < outcome.writes.size(); ++i)
            std::cout << (i ? "," : "") << "{\"label\":" << jsonString(outcome.writes[i].label)
                      << ",\"text\":" << jsonString(outcome.writes[i].text) << '}';
        std::cout << "],\"message\":";
        if (outcome.message)
            std::cout << "{\"kind\":\"" << (fault ? "error" : "warning") << "\",\"text\":" << jsonString(messageText)
                      << '}';
        else
            std::cout << "null";
        std::cout << "}\n";
    } else {
        for (const qm::Write& w : outcome.writes)
            std::cout << w.label << '\t' << w.text << '\n';
        if (outcome.message)
            std::cout << (fault ? "!error\t" : "!warning\t") << messageText << '\n';
    }
    std::cout.flush();
    if (!std::cout)
        return kExitError;
    return outcome.message ? (fault ? kExitError : kExitWarning) : 0;
}
