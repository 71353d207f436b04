// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up and memory: a plain Qt window like Contaperle's, as
// small as it can be: the same client area (754 x 556) and child widgets (3 line
// edits, two hidden, 2 buttons, a hidden box, 13 labels, 12 frames), a menu bar,
// the keyboard in the line edit; no pictures, cursors, fonts, translations.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Finestra nuda"));
    auto* superficie = new QWidget(&finestra);
    superficie->setFixedSize(754, 556);
    finestra.setCentralWidget(superficie);
    finestra.layout()->setSizeConstraint(QLayout::SetFixedSize);
    auto* menu = finestra.menuBar()->addMenu(QStringLiteral("Menu"));
    for (int i = 0; i < 4; ++i)
        menu->addAction(QStringLiteral("Voce %1").arg(i));
    finestra.menuBar()->addAction(QStringLiteral("Azione"));
    for (int i = 0; i < 12; ++i) {
        auto* cornice = new QFrame(superficie);
        cornice->setFrameShape(QFrame::Box);
        cornice->setGeometry(8 + 62 * i, 60, 56, 240);
    }
    for (int i = 0; i < 13; ++i)
        (new QLabel(QStringLiteral("Etichetta %1").arg(i), superficie))->setGeometry(8 + 57 * i, 16, 54, 25);
    (new QPushButton(QStringLiteral("Avanti"), superficie))->setGeometry(32, 488, 121, 57);
    (new QPushButton(QStringLiteral("Esci"), superficie))->setGeometry(568, 488, 121, 57);
    (new QWidget(superficie))->hide();
    for (int i = 0; i < 2; ++i)
        (new QLineEdit(superficie))->hide();
    auto* risposta = new QLineEdit(superficie);
    risposta->setGeometry(192, 488, 337, 61);
    finestra.show();
    finestra.activateWindow();
    risposta->setFocus();
    return QApplication::exec();
}
