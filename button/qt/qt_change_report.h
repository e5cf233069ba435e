// Property changes of a button, passed on as a Qt signal.
#pragma once

#include <QObject>
#include <QString>

#include "button/host/change_report.h"

namespace torvel {

class QtChangeReport final : public QObject, public ChangeReport {
    Q_OBJECT

public:
    using QObject::QObject;

    void PropertyChanged(std::string_view key) override;

signals:
    void propertyChanged(const QString& key);
};

}  // namespace torvel
