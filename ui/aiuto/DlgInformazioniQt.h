#pragma once
// Dialog 107, the information window: the program's picture in the upper
// frame, its name, version and licence, where its default data come from,
// and OK. A click on a hidden spot of the picture (client x 12..27,
// y 18..59) opens the hidden column window.
#include <QDialog>

#include <functional>

namespace veltra {

class AiutoQt;

class DlgInformazioniQt : public QDialog {
    Q_OBJECT
public:
    // `aiuto` (may be null) opens the help page on the data sources.
    explicit DlgInformazioniQt(AiutoQt* aiuto = nullptr, QWidget* genitore = nullptr);

    // What the hidden spot opens; nothing happens without it.
    void ImpostaColonnaNascosta(std::function<void()> apri) { colonnaNascosta_ = std::move(apri); }

    static bool NelPuntoNascosto(QPoint client);

    static QString Titolo();
    static QString Versione();

protected:
    void mousePressEvent(QMouseEvent* evento) override;

private:
    std::function<void()> colonnaNascosta_;
};

} // namespace veltra
