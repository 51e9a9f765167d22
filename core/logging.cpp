#include "core/logging.h"

Q_LOGGING_CATEGORY(zetuStore, "zetu.store", QtInfoMsg)
Q_LOGGING_CATEGORY(zetuReport, "zetu.report", QtInfoMsg)
Q_LOGGING_CATEGORY(zetuPhotos, "zetu.photos", QtInfoMsg)
Q_LOGGING_CATEGORY(zetuSign, "zetu.sign", QtInfoMsg)
Q_LOGGING_CATEGORY(zetuSetup, "zetu.setup", QtInfoMsg)
