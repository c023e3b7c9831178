#pragma once

#include <QString>

#include <functional>

// `text` with each %name% that `valueOf` knows (a value that is not empty)
// by that value, and the others as they are: what ExpandEnvironmentStrings
// does with the variables of a REG_EXPAND_SZ registry value.
QString expandedVariables(const QString &text, const std::function<QString(const QString &name)> &valueOf);
