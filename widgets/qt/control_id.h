#pragma once
// How a dialog's child controls carry what their template said about them.
// Every child created from a template, and every control that replaces one,
// holds these dynamic properties, so code addresses controls by number as the
// templates do.

#include <QString>
#include <QVariant>
#include <QWidget>

namespace veltrano {

inline constexpr const char* kControlIdProperty = "vtControlId";     // int
inline constexpr const char* kWindowClassProperty = "vtWindowClass"; // QString, e.g. "BUTTON"
inline constexpr const char* kStyleProperty = "vtStyle";             // uint, template style bits

inline int controlId(const QWidget* widget) {
    QVariant id = widget->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

inline void setControlId(QWidget* widget, int id) {
    widget->setProperty(kControlIdProperty, id);
}

// The direct or indirect child of `dialog` with that control number, or nullptr.
inline QWidget* findControl(const QWidget* dialog, int id) {
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (controlId(child) == id)
            return child;
    }
    return nullptr;
}

} // namespace veltrano
