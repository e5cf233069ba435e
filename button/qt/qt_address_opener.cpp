// Opening a button's address with the desktop's default handlers.
#include "button/qt/qt_address_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace torvel {

void QtAddressOpener::ShellOpen(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void QtAddressOpener::Navigate(const std::string& target) {
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

}  // namespace torvel
