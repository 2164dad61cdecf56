#include "app/keynames.h"

#include <cstring>

namespace talvex {

QString GermanKeyNames::translate(const char *context, const char *sourceText, const char *,
                                  int) const
{
    if (!context || !sourceText || std::strcmp(context, "QShortcut") != 0)
        return {};
    static constexpr struct
    {
        const char *english;
        const char *german;
    } Names[] = {
        {"Ctrl", "Strg"}, {"Shift", "Umschalt"}, {"Alt", "Alt"},   {"Meta", "Meta"},
        {"Esc", "Esc"},   {"Del", "Entf"},       {"Ins", "Einfg"}, {"Space", "Leertaste"},
    };
    for (const auto &name : Names)
        if (std::strcmp(sourceText, name.english) == 0)
            return QString::fromUtf8(name.german);
    return {};
}

} // namespace talvex
