// Property changes of a button, passed on as a Qt signal.
#include "button/qt/qt_change_report.h"

namespace torvel {

void QtChangeReport::PropertyChanged(std::string_view key) {
    emit propertyChanged(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

}  // namespace torvel
