// The application's fixed captions, shared by its windows and message boxes.
#pragma once

#include <QString>

namespace qv {

// The application title: the caption of every error box.
inline const QString kAppTitle = QStringLiteral("Quorvane企业财务分析 1.15");
// The main window's caption.
inline const QString kMainCaption = QStringLiteral("Quorvane企财分析(迷你版)");
// Appended to the address typed into the first-run prompt.
inline const QString kVersionSuffix = QStringLiteral("_v1.15");

} // namespace qv
