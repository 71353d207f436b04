// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: renders the program's SVG icon as a square PNG for one of
// the hicolor theme's fixed sizes. Usage: icona SVG SIDE PNG
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: icona SVG SIDE PNG\n");
        return 2;
    }
    QSvgRenderer disegno(QString::fromLocal8Bit(argv[1]));
    const int lato = QString::fromLocal8Bit(argv[2]).toInt();
    if (!disegno.isValid() || lato <= 0) {
        std::fprintf(stderr, "icona: cannot render %s at %s pixels\n", argv[1], argv[2]);
        return 1;
    }
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore);
    pittore.end();
    const QString uscita = QString::fromLocal8Bit(argv[3]);
    if (!QDir().mkpath(QFileInfo(uscita).path()) || !immagine.save(uscita, "PNG")) {
        std::fprintf(stderr, "icona: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
