#pragma once
// How the logic layers show a message to the user. The window program installs
// its message box; tests install a recorder that answers. Without a presenter a
// message is dropped and the call answers 0.

#include <string>

namespace veltrano {

// Style bits and results, with the values of the usual message-box flags.
namespace MessageStyle {
constexpr int Ok = 0x0;
constexpr int OkCancel = 0x1;
constexpr int YesNoCancel = 0x3;
constexpr int YesNo = 0x4;
constexpr int IconHand = 0x10;
constexpr int IconQuestion = 0x20;
constexpr int IconExclamation = 0x30;
constexpr int IconInformation = 0x40;
constexpr int DefButton2 = 0x100;
constexpr int DefButton3 = 0x200;
} // namespace MessageStyle

namespace MessageResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MessageResult

class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // Shows markup text with the given style; returns the result of the button pressed.
    virtual int showMessage(const std::string& markupText, int style) = 0;
};

// The presenter in use (not owned); nullptr removes it.
void setMessagePresenter(MessagePresenter* presenter);
MessagePresenter* messagePresenter();

// Shows the text through the installed presenter; 0 when there is none.
int showMessage(const std::string& markupText, int style);

} // namespace veltrano
