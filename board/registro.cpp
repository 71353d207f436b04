// SPDX-FileCopyrightText: 2026 Contaperle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/registro.h"

#include "platform/core/csv.h"
#include "platform/core/runtime_error.h"
#include "platform/guard.h"
#include "platform/services.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace board {
namespace {

using platform::AppendFault;
using Numero = platform::RuntimeError::Number;

const char* const intestazione = "ora,alunno,aste,verso,numero,risposta,esito,esatte,errate,totale\r\n";
// Lines waiting past this are dropped and counted: a disk full all day must
// not fill the memory too.
constexpr std::size_t massimoInAttesa = std::size_t{16} << 20;

std::string chiSono()
{
    const passwd* utente = ::getpwuid(::geteuid());
    return utente ? utente->pw_name : "uid" + std::to_string(::geteuid());
}

// The login as part of a file name: only letters, digits, '.', '_' and '-'.
std::string perNome(std::string nome)
{
    std::replace_if(
        nome.begin(), nome.end(),
        [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '.' && c != '_' && c != '-'; },
        '_');
    return nome;
}

// ISO 8601, with the offset from UTC.
QString istante(const QDateTime& ora)
{
    const int scarto = ora.offsetFromUtc(), minuti = std::abs(scarto) / 60;
    return ora.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
           + QString::asprintf("%c%02d:%02d", scarto < 0 ? '-' : '+', minuti / 60, minuti % 60);
}

platform::RuntimeError guasto(const std::string& file, platform::AppendResult esito)
{
    switch (esito.fault) {
    case AppendFault::Link: return {Numero::PermissionDenied, file + ": collegamento simbolico, non seguito"};
    case AppendFault::NotRegular: return {Numero::PermissionDenied, file + ": non è un file normale, o ha altri nomi"};
    case AppendFault::NotOwned: return {Numero::PermissionDenied, file + ": di un altro utente"};
    case AppendFault::Locked: return {Numero::PathFileAccessError, file + ": tenuto bloccato da un altro programma"};
    default: break;
    }
    const int e = esito.error;
    const Numero numero = e == ENOENT || e == ENOTDIR               ? Numero::FileNotFound
                          : e == ENOSPC || e == EDQUOT              ? Numero::DiskFull
                          : e == EACCES || e == EPERM || e == EROFS ? Numero::PermissionDenied
                                                                    : Numero::DeviceIOError;
    return {numero, file + ": " + std::strerror(e)};
}

}

Registro::Registro(const Lezione& lezione, const QString& cartella)
    : lezione_(lezione), cartella_(cartella), alunno_(chiSono())
{
}

Registro::~Registro()
{
    if (!attesa_.empty())
        platform::guarded([this] { scrivi(); }, [this](const platform::RuntimeError& e) { segnala(e); });
    if (!attesa_.empty() || perse_ > 0)
        std::fprintf(stderr, "contaperle: registro: %zu risposte non scritte\n", attesa_.size() + std::size_t(perse_));
}

void Registro::annota(int numero, const QString& risposta, bool giusta, const Conti& conti) noexcept
{
    platform::guarded(
        [&] {
            const QDateTime ora = platform::now();
            const QString giorno = ora.toString(QStringLiteral("yyyy-MM-dd"));
            Riga riga{QFile::encodeName(cartella_).toStdString() + "/contaperle-" + giorno.toStdString() + '-'
                          + perNome(alunno_) + ".csv",
                      platform::csvLine({istante(ora).toStdString(), alunno_, std::to_string(lezione_.aste),
                                         lezione_.verso == Verso::Componi ? "componi" : "leggi", std::to_string(numero),
                                         risposta.toStdString(), giusta ? "giusta" : "sbagliata",
                                         std::to_string(conti.esatte), std::to_string(conti.errate),
                                         std::to_string(conti.esatte + conti.errate)})};
            if (byteInAttesa_ + riga.testo.size() > massimoInAttesa) {
                ++perse_;
            } else {
                byteInAttesa_ += riga.testo.size();
                attesa_.push_back(std::move(riga));
            }
            scrivi();
        },
        [this](const platform::RuntimeError& e) { segnala(e); });
}

void Registro::scrivi()
{
    while (!attesa_.empty()) {
        const Riga& riga = attesa_.front();
        const platform::AppendResult esito = appender_.append(riga.file, intestazione, riga.testo);
        if (esito.fault != AppendFault::None)
            throw guasto(riga.file, esito);
        byteInAttesa_ -= riga.testo.size();
        attesa_.pop_front();
    }
    if (!guasto_.isEmpty())
        std::fprintf(stderr, "contaperle: registro di nuovo tenuto in %s\n", qPrintable(cartella_));
    guasto_.clear();
}

void Registro::segnala(const platform::RuntimeError& e)
{
    guasto_ = QStringLiteral("errore %1, %2").arg(e.number()).arg(QString::fromStdString(e.description()));
    if (segnalati_.insert(e.description()).second)
        std::fprintf(stderr, "contaperle: registro non tenuto, %s\n", qPrintable(guasto_));
}

QString Registro::stato() const
{
    QString testo =
        guasto_.isEmpty()
            ? QStringLiteral("Registro delle risposte: ") + cartella_
            : QStringLiteral("Registro NON tenuto (%1): %2 risposte in attesa").arg(guasto_).arg(attesa_.size());
    return perse_ == 0 ? testo : testo + QStringLiteral(", %1 perse").arg(perse_);
}

}
