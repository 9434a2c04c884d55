#include "ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/family_modal.h"

namespace vtg::ui {
namespace {

struct BoxStyle {
  const char* caption;
  QMessageBox::Icon icon;
  bool beep;
  bool owned;
};

BoxStyle StyleOf(Box box) {
  switch (box) {
    case Box::Error: return {"Error", QMessageBox::Warning, true, false};
    case Box::Stop: return {"Error", QMessageBox::Critical, true, false};
    case Box::OwnedStop: return {"Error", QMessageBox::Critical, true, true};
    case Box::Success: return {"Success", QMessageBox::NoIcon, true, false};
    case Box::SerialSuccess: return {"設定完了", QMessageBox::NoIcon, true, true};
    case Box::Network: return {"VTG-7100MX", QMessageBox::Critical, false, false};
    case Box::NetworkPlain: return {"VTG-7100MX", QMessageBox::NoIcon, false, false};
  }
  return {"Error", QMessageBox::Warning, true, false};
}

const char* CaptionOf(Question question) {
  switch (question) {
    case Question::UnsavedData: return "VTG-7100MX";
    case Question::NotAutoSwitching: return "本機の確認";
    case Question::NewGlyphList: return "新規作成";
    case Question::ReplaceFile: return "VTG-7100MX";
  }
  return "VTG-7100MX";
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void MessageBoxes::Show(Box box, std::string_view text) {
  const BoxStyle style = StyleOf(box);
  if (style.beep) QApplication::beep();
  QMessageBox message(style.icon, QString::fromUtf8(style.caption), Text(text), QMessageBox::Ok, Parent(style.owned));
  MakeFamilyModal(message);
  message.setObjectName(QStringLiteral("messageBox"));
  message.exec();
}

QMessageBox::StandardButton MessageBoxes::AskWith(Question question, std::string_view text,
                                                  QMessageBox::StandardButtons buttons) {
  if (question != Question::NotAutoSwitching) QApplication::beep();
  QMessageBox message(QMessageBox::Question, QString::fromUtf8(CaptionOf(question)), Text(text), buttons,
                      Parent(true));
  MakeFamilyModal(message);
  message.setObjectName(QStringLiteral("questionBox"));
  return static_cast<QMessageBox::StandardButton>(message.exec());
}

bool MessageBoxes::Ask(Question question, std::string_view text) {
  return AskWith(question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer MessageBoxes::AskOrCancel(Question question, std::string_view text) {
  switch (AskWith(question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

}  // namespace vtg::ui
