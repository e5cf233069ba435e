// The skinned buttons of a window, restored from the window's stored form.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace torvel {

class FormButtons {
public:
    // The buttons of `form` ("frmtorvel", "frmtvlstat" or "frmbre") on `window`.
    FormButtons(QWidget* window, const QString& form);

    // Creates the instance `name` with its stored properties at `geometry`;
    // `onClick` runs on each of its clicks.
    QWidget* Restore(const QString& name, const QRect& geometry, std::function<void()> onClick);

private:
    QWidget* m_window;
    QString m_form;
};

}  // namespace torvel
