#include "platform/Log.h"

Q_LOGGING_CATEGORY(lcEngine, "qelvanto.engine", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRunner, "qelvanto.runner", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "qelvanto.ui", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "qelvanto.app", QtInfoMsg)
