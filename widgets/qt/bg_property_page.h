#pragma once
// One page of the edit sheet: a dialog of the widget set built from its template,
// shown inside the sheet. Its whole client area is its background colour; it
// opens (translation, builder, onInitDialog) the first time its tab is shown.

#include "widgets/qt/new_dialog.h"

namespace veltrano {

class CBgPropertyPage : public CNewDialog {
    Q_OBJECT
  public:
    // `title` is the German tab title; the sheet translates it.
    CBgPropertyPage(int templateNumber, QString title, QWidget* parent = nullptr);
    // A page from a template the caller keeps alive as long as the page.
    CBgPropertyPage(const DialogTemplate& dialogTemplate, QString title, QWidget* parent = nullptr);

    const QString& title() const { return title_; }

    // The page became the visible one.
    virtual void onSetActive() {}
    // Another page is about to be shown or the sheet is about to close with OK;
    // false keeps this page (the page tells the user why).
    virtual bool onKillActive() { return true; }
    // The sheet closes with OK: store the fields. Called only for pages that opened.
    virtual void onOk() {}

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Escape belong to the sheet.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString title_;
};

} // namespace veltrano
