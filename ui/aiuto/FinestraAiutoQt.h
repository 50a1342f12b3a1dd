#pragma once
// The program's help: Italian HTML pages built into the program, one per
// topic, and a table that maps help contexts (113, 500, the main window's
// topic...) onto pages. Unknown contexts open the contents page.
#include <QMap>
#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace veltra {

class FinestraAiutoQt : public QWidget {
    Q_OBJECT
public:
    // Pages are read from `cartella` (the built-in ":/aiuto" by default).
    explicit FinestraAiutoQt(QWidget* genitore = nullptr,
                           QString cartella = QStringLiteral(":/aiuto"));

    // Opens the page of a context and brings the window to the front.
    void MostraContesto(int contesto);
    // Opens a page by file name and brings the window to the front.
    void ApriPagina(const QString& pagina);
    // Changes page without raising the window.
    void MostraPagina(const QString& pagina);

    // File name of the page shown ("stime.html").
    QString PaginaCorrente() const;
    QString PaginaDelContesto(int contesto) const;
    QTextBrowser* Browser() const { return testo_; }

    static constexpr const char* kPaginaSommario = "indice.html";

    // The table of contesti.txt: "<context> <page>" per line, the context in
    // decimal or in hexadecimal with 0x; '#' starts a comment.
    static QMap<int, QString> LeggiContesti(const QString& testo);

private:
    void AggiornaPulsanti();

    QString cartella_;
    QMap<int, QString> contesti_;
    QTextBrowser* testo_;
    QToolButton* indietro_;
    QToolButton* avanti_;
};

} // namespace veltra
