#pragma once
#include <QLoggingCategory>

// Debug lines are off unless switched on, e.g. QT_LOGGING_RULES="qelvanto.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
Q_DECLARE_LOGGING_CATEGORY(lcRunner)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
