#include "ui/stages/StageConfirm.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace stowly::stageConfirm {

StageConfirm messageBox(QWidget* parent) {
    return [weak = QPointer<QWidget>(parent)](const Confirmation& question,
                                              std::function<void(bool)> done) {
        QMessageBox box(weak.data());
        box.setIcon(QMessageBox::Warning);
        box.setText(question.title);
        box.setInformativeText(question.message);
        QAbstractButton* confirm =
            question.confirmButton.isEmpty()
                ? box.addButton(QMessageBox::Ok)
                : box.addButton(question.confirmButton, QMessageBox::DestructiveRole);
        box.setDefaultButton(box.addButton(QMessageBox::Cancel));
        box.exec();
        done(box.clickedButton() == confirm);
    };
}

} // namespace stowly::stageConfirm
