#pragma once

#include <QTranslator>

namespace talvex {

// German names of the modifier keys in shortcut texts ("Strg+Q"), without shipping Qt's whole
// translation catalogue.
class GermanKeyNames : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
};

} // namespace talvex
