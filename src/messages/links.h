// The web addresses the program hands to the system browser: the lottery operator's
// draw-history page, and the maker's site, feedback form and version page. Addresses
// are built as plain text exactly as they are opened; nothing is percent-encoded here.
#pragma once

#include <QString>
#include <QUrl>

namespace links {

// The two hosts, scheme included and without a trailing "/".
inline const QString kOperatorHost = QStringLiteral("http://www.nanyue-lottery.cn");
inline const QString kMakerHost = QStringLiteral("http://www.orvane.com");

// The maker's site root, also named on the order sheet.
QString makerSiteAddress();

QString drawHistoryAddress();

// The three prepared feedback texts; each names the program with its version.
enum class Feedback { PrizeWon, Suggestion, CustomOrder };
QString feedbackText(Feedback kind, const QString& versionText);

// The feedback form with a text: "…/first02.asp?content=" + text + "&m=#3".
QString feedbackAddress(const QString& feedbackText);

// The version page: "…/showpluspic.asp?id=43&softver=" + version.
QString versionPageAddress(const QString& versionText);

// The address as a URL for the platform: read as written ("#3" starts the fragment),
// QUrl encodes what the platform needs.
QUrl toUrl(const QString& address);

}  // namespace links
