#!/usr/bin/env python3
"""Draws VELTRA's artwork as SVG files beside this script.

The drawings are plain geometry written by hand here, so every picture can be
regenerated or retouched in one place and keeps the same palette and stroke:
    python3 resources/immagini/disegna.py
The build only embeds the SVG files; this script is not run by it.
"""
import math
import os

QUI = os.path.dirname(os.path.abspath(__file__))

# Palette shared by every picture.
INCHIOSTRO = "#263238"
CARTA = "#ffffff"
VERDE = "#2e7d32"
VERDE_CHIARO = "#66bb6a"
BLU = "#1565c0"
AZZURRO = "#64b5f6"
AMBRA = "#f9a825"
ROSSO = "#c62828"
GRIGIO = "#90a4ae"
GRIGIO_CHIARO = "#eceff1"
MARRONE = "#8d6e63"
CARATTERE = "DejaVu Sans, Liberation Sans, Arial, sans-serif"


def svg(larghezza, altezza, corpo, titolo):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{larghezza}" height="{altezza}" '
        f'viewBox="0 0 {larghezza} {altezza}">\n<title>{titolo}</title>\n{corpo}\n</svg>\n'
    )


def scrivi(percorso, testo):
    percorso = os.path.join(QUI, percorso)
    os.makedirs(os.path.dirname(percorso), exist_ok=True)
    with open(percorso, "w", encoding="utf-8") as f:
        f.write(testo)


def f(x):
    return f"{x:.2f}".rstrip("0").rstrip(".")


# ---------------------------------------------------------------- primitives

def foglio(x, y, l, a, riempimento=CARTA):
    return (f'<rect x="{f(x)}" y="{f(y)}" width="{f(l)}" height="{f(a)}" rx="1.5" '
            f'fill="{riempimento}" stroke="{INCHIOSTRO}" stroke-width="2"/>')


def righe(x, y, l, n, passo=4, colore=GRIGIO):
    return "".join(f'<line x1="{f(x)}" y1="{f(y + i * passo)}" x2="{f(x + l)}" y2="{f(y + i * passo)}" '
                   f'stroke="{colore}" stroke-width="2" stroke-linecap="round"/>' for i in range(n))


def piu(cx, cy, r=6.5, colore=VERDE):
    return (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{colore}" stroke="{CARTA}" stroke-width="1.5"/>'
            f'<path d="M{f(cx - r / 2)} {f(cy)}H{f(cx + r / 2)}M{f(cx)} {f(cy - r / 2)}V{f(cy + r / 2)}" '
            f'stroke="{CARTA}" stroke-width="2.2" stroke-linecap="round"/>')


def globo(cx, cy, r):
    return (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{AZZURRO}" stroke="{INCHIOSTRO}" stroke-width="2"/>'
            f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(r * 0.45)}" ry="{f(r)}" fill="none" '
            f'stroke="{INCHIOSTRO}" stroke-width="1.4"/>'
            f'<path d="M{f(cx - r)} {f(cy)}H{f(cx + r)}M{f(cx - r * 0.85)} {f(cy - r * 0.5)}H{f(cx + r * 0.85)}'
            f'M{f(cx - r * 0.85)} {f(cy + r * 0.5)}H{f(cx + r * 0.85)}" stroke="{INCHIOSTRO}" stroke-width="1.4"/>')


def lente(cx, cy, r):
    d = r * 0.72
    return (f'<line x1="{f(cx + d)}" y1="{f(cy + d)}" x2="{f(cx + d + r * 0.8)}" y2="{f(cy + d + r * 0.8)}" '
            f'stroke="{INCHIOSTRO}" stroke-width="4" stroke-linecap="round"/>'
            f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="#e3f2fd" fill-opacity="0.9" '
            f'stroke="{INCHIOSTRO}" stroke-width="2.5"/>')


def matita(x, y):
    # Pencil lying from bottom-left (tip at x, y) to top-right.
    return (f'<g transform="translate({f(x)} {f(y)}) rotate(-45)">'
            f'<path d="M0 0L4 -2.5H16V2.5H4Z" fill="{AMBRA}" stroke="{INCHIOSTRO}" stroke-width="1.5" '
            f'stroke-linejoin="round"/><path d="M0 0L4 -2.5V2.5Z" fill="{INCHIOSTRO}"/>'
            f'<rect x="16" y="-2.5" width="3" height="5" fill="{ROSSO}" stroke="{INCHIOSTRO}" stroke-width="1.5"/></g>')


def freccia(x1, y1, x2, y2, colore=VERDE, spessore=3):
    ang = math.atan2(y2 - y1, x2 - x1)
    p = 5.0
    a1 = (x2 - p * math.cos(ang - 0.6), y2 - p * math.sin(ang - 0.6))
    a2 = (x2 - p * math.cos(ang + 0.6), y2 - p * math.sin(ang + 0.6))
    return (f'<path d="M{f(x1)} {f(y1)}L{f(x2)} {f(y2)}M{f(a1[0])} {f(a1[1])}L{f(x2)} {f(y2)}L{f(a2[0])} {f(a2[1])}" '
            f'fill="none" stroke="{colore}" stroke-width="{f(spessore)}" stroke-linecap="round" '
            f'stroke-linejoin="round"/>')


def pentagono(cx, cy, r, rotazione=-90):
    punti = []
    for i in range(5):
        a = math.radians(rotazione + 72 * i)
        punti.append(f"{f(cx + r * math.cos(a))},{f(cy + r * math.sin(a))}")
    return " ".join(punti)


def dentro_cerchio(punti, cx, cy, r):
    """Clips a convex shape to a circle by pulling its outside boundary onto the rim
    (the SVG renderer used by the program does not clip)."""
    risultato = []
    for (x0, y0), (x1, y1) in zip(punti, punti[1:] + punti[:1]):
        for k in range(24):
            t = k / 24
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            d = math.hypot(x - cx, y - cy)
            if d > r:
                x, y = cx + (x - cx) * r / d, cy + (y - cy) * r / d
            risultato.append(f"{f(x)},{f(y)}")
    return " ".join(risultato)


def vertici(cx, cy, r, rotazione=-90):
    return [(cx + r * math.cos(math.radians(rotazione + 72 * i)), cy + r * math.sin(math.radians(rotazione + 72 * i)))
            for i in range(5)]


def pallone(cx, cy, r, ident, bordo=2.0):
    """A football: a central pentagon, five seams and five pentagons cut by the rim."""
    del ident
    parti = [f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{CARTA}"/>',
             f'<g fill="{INCHIOSTRO}" stroke="{INCHIOSTRO}" stroke-width="{f(bordo * 0.8)}" '
             f'stroke-linejoin="round" stroke-linecap="round">',
             f'<polygon points="{pentagono(cx, cy, r * 0.36)}"/>']
    for i in range(5):
        a = math.radians(-90 + 72 * i)
        x0, y0 = cx + r * 0.36 * math.cos(a), cy + r * 0.36 * math.sin(a)
        x1, y1 = cx + r * 0.56 * math.cos(a), cy + r * 0.56 * math.sin(a)
        parti.append(f'<line x1="{f(x0)}" y1="{f(y0)}" x2="{f(x1)}" y2="{f(y1)}"/>')
        b = a + math.radians(36)
        xb, yb = cx + r * 1.0 * math.cos(b), cy + r * 1.0 * math.sin(b)
        parti.append(f'<polygon points="{dentro_cerchio(vertici(xb, yb, r * 0.30, math.degrees(b) + 180), cx, cy, r)}"/>')
        # each seam forks towards the two rim pentagons beside it
        for s in (-1, 1):
            c = a + s * math.radians(36)
            xq, yq = cx + r * 0.70 * math.cos(c), cy + r * 0.70 * math.sin(c)
            parti.append(f'<line x1="{f(x1)}" y1="{f(y1)}" x2="{f(xq)}" y2="{f(yq)}"/>')
    parti.append("</g>")
    parti.append(f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="none" stroke="{INCHIOSTRO}" '
                 f'stroke-width="{f(bordo)}"/>')
    return "".join(parti)


def maglia(x, y, colore):
    # A plain shirt, 13 wide and 14 high.
    return (f'<path transform="translate({f(x)} {f(y)})" d="M4 0Q6.5 2.5 9 0L13 2.5V6H10.5V14H2.5V6H0V2.5Z" '
            f'fill="{colore}" stroke="{INCHIOSTRO}" stroke-width="1.6" stroke-linejoin="round"/>')


def bersaglio(cx, cy, r):
    return (f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{CARTA}" stroke="{INCHIOSTRO}" stroke-width="2"/>'
            f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r * 0.66)}" fill="{ROSSO}"/>'
            f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r * 0.4)}" fill="{CARTA}"/>'
            f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r * 0.18)}" fill="{ROSSO}"/>')


def cartellino_quota(x, y, l=24, a=14):
    # A price tag with odds on it.
    return (f'<path d="M{f(x + 5)} {f(y)}H{f(x + l)}V{f(y + a)}H{f(x + 5)}L{f(x)} {f(y + a / 2)}Z" fill="{AMBRA}" '
            f'stroke="{INCHIOSTRO}" stroke-width="2" stroke-linejoin="round"/>'
            f'<circle cx="{f(x + 5)}" cy="{f(y + a / 2)}" r="1.6" fill="{INCHIOSTRO}"/>'
            f'<text x="{f(x + 15.5)}" y="{f(y + a / 2 + 3.6)}" font-family="{CARATTERE}" font-weight="bold" '
            f'font-size="10" text-anchor="middle" fill="{INCHIOSTRO}">2,1</text>')


def schedina(x, y, l, a, celle):
    """A pools coupon: a ticket with a grid of 1 X 2 cells; celle[r][c] marks a cell."""
    parti = [f'<rect x="{f(x)}" y="{f(y)}" width="{f(l)}" height="{f(a)}" rx="1.5" fill="#fff8e1" '
             f'stroke="{INCHIOSTRO}" stroke-width="2"/>']
    righe_n, colonne = len(celle), 3
    cl, ca = (l - 6) / colonne, (a - 6) / righe_n
    for r in range(righe_n):
        for c in range(colonne):
            cx, cy = x + 3 + c * cl, y + 3 + r * ca
            pieno = celle[r][c]
            parti.append(f'<rect x="{f(cx + 0.6)}" y="{f(cy + 0.6)}" width="{f(cl - 1.2)}" height="{f(ca - 1.2)}" '
                         f'fill="{BLU if pieno else "none"}" stroke="{GRIGIO}" stroke-width="0.8"/>')
    return "".join(parti)


def torta(cx, cy, r, quote, colori):
    parti, inizio = [], -90.0
    for q, c in zip(quote, colori):
        fine = inizio + 360 * q
        a0, a1 = math.radians(inizio), math.radians(fine)
        grande = 1 if fine - inizio > 180 else 0
        parti.append(f'<path d="M{f(cx)} {f(cy)}L{f(cx + r * math.cos(a0))} {f(cy + r * math.sin(a0))}'
                     f'A{f(r)} {f(r)} 0 {grande} 1 {f(cx + r * math.cos(a1))} {f(cy + r * math.sin(a1))}Z" '
                     f'fill="{c}" stroke="{INCHIOSTRO}" stroke-width="1.5" stroke-linejoin="round"/>')
        inizio = fine
    return "".join(parti)


# ---------------------------------------------------------------- commands

def comandi():
    lista = "".join
    c = {}
    c[40004] = ("Nuovo Campionato", lista([foglio(5, 3, 18, 25), righe(9, 9, 10, 5), piu(24, 24)]))
    c[40003] = ("Nuovi Incontri", lista([pallone(14, 14, 11, "p"), piu(24.5, 24.5)]))
    c[40063] = ("Aggiornamento dati via Internet", lista([globo(14, 14, 11), freccia(25, 13, 25, 29)]))
    c[40020] = ("Impostazione Parametri", lista([
        righe(4, 8, 24, 3, 8),
        f'<circle cx="10" cy="8" r="3.6" fill="{BLU}" stroke="{INCHIOSTRO}" stroke-width="1.6"/>',
        f'<circle cx="22" cy="16" r="3.6" fill="{AMBRA}" stroke="{INCHIOSTRO}" stroke-width="1.6"/>',
        f'<circle cx="14" cy="24" r="3.6" fill="{VERDE}" stroke="{INCHIOSTRO}" stroke-width="1.6"/>']))
    c[40021] = ("Ricerca Parametri", lista([
        righe(3, 6, 16, 2, 7),
        f'<circle cx="8" cy="6" r="3" fill="{BLU}" stroke="{INCHIOSTRO}" stroke-width="1.4"/>',
        f'<circle cx="15" cy="13" r="3" fill="{AMBRA}" stroke="{INCHIOSTRO}" stroke-width="1.4"/>',
        lente(18, 19, 7)]))
    c[40117] = ("Gestione Archivi via Internet", lista([
        f'<rect x="3" y="15" width="20" height="13" rx="1" fill="{MARRONE}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<rect x="2" y="11" width="22" height="5" rx="1" fill="#a1887f" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<line x1="10" y1="20" x2="16" y2="20" stroke="{INCHIOSTRO}" stroke-width="2" stroke-linecap="round"/>',
        globo(24, 9, 6.5)]))
    c[40148] = ("Confronto e Copia Analisi tra Campionati", lista([
        foglio(2, 3, 15, 19, "#e3f2fd"), righe(5, 8, 9, 3),
        foglio(14, 10, 15, 19), righe(17, 15, 9, 3),
        freccia(6, 27, 12, 27, AMBRA, 2.5), freccia(22, 6, 28, 6, AMBRA, 2.5)]))
    c[40098] = ("Classifica Campionato", lista([
        f'<rect x="11" y="9" width="10" height="20" fill="{AMBRA}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<rect x="2" y="15" width="9" height="14" fill="{GRIGIO}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<rect x="21" y="19" width="9" height="10" fill="{MARRONE}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<polygon points="{pentagono(16, 4.2, 3.2)}" fill="{AMBRA}" stroke="{INCHIOSTRO}" stroke-width="1.2"/>']))
    c[40085] = ("Archivio Storico", lista([
        f'<rect x="4" y="3" width="19" height="25" rx="1.5" fill="{MARRONE}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<line x1="8" y1="3" x2="8" y2="28" stroke="{INCHIOSTRO}" stroke-width="1.6"/>',
        f'<rect x="11" y="8" width="9" height="4" fill="{GRIGIO_CHIARO}"/>',
        f'<circle cx="23" cy="22" r="7.5" fill="{CARTA}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<path d="M23 17.5V22L26 24" fill="none" stroke="{INCHIOSTRO}" stroke-width="2" stroke-linecap="round"/>']))
    c[40072] = ("Scontri Diretti", lista([maglia(1.5, 10, BLU), maglia(17.5, 10, ROSSO),
                                           freccia(12, 5, 20, 5, INCHIOSTRO, 2), freccia(20, 5, 12, 5, INCHIOSTRO, 2)]))
    c[40009] = ("Calcolo Picchetti", torta(16, 16, 13, [0.46, 0.28, 0.26], [VERDE, CARTA, ROSSO]))
    tutte = [[1, 1, 1]] * 6
    c[40014] = ("Nuova Schedina", lista([schedina(5, 2, 18, 27, [[0, 0, 0]] * 6), piu(24, 24)]))
    c[40015] = ("Sistema Integrale", schedina(7, 2, 18, 28, tutte))
    c[40061] = ("Sistema Ridotto", lista([
        schedina(3, 2, 17, 28, [[1, 0, 0], [0, 1, 0], [1, 0, 1], [0, 0, 1], [1, 1, 0], [0, 1, 0]]),
        f'<path d="M21 14H24L28 10V22L24 18H21Z" fill="{INCHIOSTRO}"/>',
        f'<path d="M29.5 12.5Q31 16 29.5 19.5" fill="none" stroke="{INCHIOSTRO}" stroke-width="1.5" '
        f'stroke-linecap="round"/>']))
    c[40028] = ("Spoglio Schedine", lista([
        schedina(4, 2, 17, 27, [[1, 0, 0], [0, 1, 0], [0, 0, 1], [1, 0, 0], [0, 1, 0], [1, 0, 0]]),
        f'<path d="M15 21L20 27L30 13" fill="none" stroke="{CARTA}" stroke-width="6" stroke-linecap="round" '
        f'stroke-linejoin="round"/>',
        f'<path d="M15 21L20 27L30 13" fill="none" stroke="{VERDE}" stroke-width="3.5" stroke-linecap="round" '
        f'stroke-linejoin="round"/>']))
    c[40122] = ("Statistiche Totocalcio", lista([
        f'<path d="M3 3V29H29" fill="none" stroke="{INCHIOSTRO}" stroke-width="2" stroke-linecap="round"/>',
        f'<rect x="7" y="17" width="5" height="12" fill="{BLU}"/>',
        f'<rect x="14" y="9" width="5" height="20" fill="{AMBRA}"/>',
        f'<rect x="21" y="13" width="5" height="16" fill="{VERDE}"/>']))
    c[40059] = ("Immissione Quote", lista([cartellino_quota(2, 5), piu(24, 24)]))
    c[40134] = ("Caricamento quote via Internet", lista([globo(21, 21, 9), cartellino_quota(1, 3, 22, 13)]))
    c[40089] = ("Modifica Quote", lista([cartellino_quota(2, 4), matita(14, 28)]))
    tasti = "".join(f'<rect x="{10 + 4.5 * (i % 3)}" y="{14 + 4.5 * (i // 3)}" width="3" height="3" fill="{CARTA}"/>'
                    for i in range(9))
    c[40060] = ("Calcolo Scommesse", lista([
        f'<rect x="6" y="2" width="20" height="28" rx="2" fill="{INCHIOSTRO}"/>',
        f'<rect x="9" y="5" width="14" height="6" fill="{VERDE_CHIARO}"/>', tasti]))
    c[40139] = ("Crea Strategia", lista([bersaglio(14, 14, 12), piu(24.5, 24.5)]))
    c[40140] = ("Visualizza Strategie", lista([
        foglio(3, 2, 26, 28),
        "".join(bersaglio(9, 9 + 7 * i, 3.2) + righe(15, 9 + 7 * i, 10, 1) for i in range(3))]))
    c[40141] = ("Calcolo Rendimenti", lista([
        f'<path d="M3 3V29H29" fill="none" stroke="{INCHIOSTRO}" stroke-width="2" stroke-linecap="round"/>',
        f'<circle cx="23" cy="9" r="6" fill="{AMBRA}" stroke="{INCHIOSTRO}" stroke-width="1.8"/>',
        f'<circle cx="23" cy="9" r="3" fill="none" stroke="{INCHIOSTRO}" stroke-width="1"/>',
        f'<polyline points="6,25 12,19 17,22 27,14" fill="none" stroke="{VERDE}" stroke-width="3" '
        f'stroke-linecap="round" stroke-linejoin="round"/>']))
    c[40150] = ("Esporta Eventi e Risultati", lista([foglio(3, 3, 17, 25), righe(6, 9, 11, 5),
                                                     freccia(14, 20, 30, 20, VERDE, 3.5)]))
    c[40151] = ("Ricerca Strategie", lista([bersaglio(12, 12, 10), lente(20, 20, 6.5)]))
    celle_calendario = "".join(
        f'<rect x="{5 + 5 * (i % 4)}" y="{12 + 4.5 * (i // 4)}" width="3.4" height="3" fill="{GRIGIO}"/>'
        for i in range(8))
    c[40201] = ("Prossima Giornata", lista([
        f'<rect x="2" y="4" width="24" height="24" rx="2" fill="{CARTA}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<rect x="2" y="4" width="24" height="6" rx="2" fill="{ROSSO}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<line x1="8" y1="2" x2="8" y2="7" stroke="{INCHIOSTRO}" stroke-width="2" stroke-linecap="round"/>',
        f'<line x1="20" y1="2" x2="20" y2="7" stroke="{INCHIOSTRO}" stroke-width="2" stroke-linecap="round"/>',
        celle_calendario, pallone(23, 23, 7.5, "g", 1.6)]))
    c[40084] = ("Stampa", lista([
        f'<rect x="8" y="3" width="16" height="10" fill="{CARTA}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<rect x="3" y="11" width="26" height="12" rx="2" fill="{GRIGIO}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        f'<rect x="8" y="19" width="16" height="10" fill="{CARTA}" stroke="{INCHIOSTRO}" stroke-width="2"/>',
        righe(11, 23, 10, 2, 3), f'<circle cx="25" cy="15" r="1.5" fill="{VERDE_CHIARO}"/>']))
    c[40001] = ("Salva modifiche", lista([
        f'<path d="M4 6Q4 4 6 4H24L28 8V26Q28 28 26 28H6Q4 28 4 26Z" fill="{BLU}" stroke="{INCHIOSTRO}" '
        f'stroke-width="2" stroke-linejoin="round"/>',
        f'<rect x="9" y="4" width="13" height="8" fill="{GRIGIO_CHIARO}" stroke="{INCHIOSTRO}" stroke-width="1.5"/>',
        f'<rect x="17" y="5.5" width="3" height="5" fill="{INCHIOSTRO}"/>',
        f'<rect x="8" y="16" width="16" height="12" fill="{CARTA}" stroke="{INCHIOSTRO}" stroke-width="1.5"/>',
        righe(11, 20, 10, 2, 4)]))
    for ident, (titolo, corpo) in c.items():
        scrivi(f"comandi/{ident}.svg", svg(32, 32, corpo, titolo))


# ---------------------------------------------------------------- championships

CAMPIONATI = [(40066, "A"), (40067, "B"), (40077, "C1"), (40079, "C2"), (40132, "AU"), (40143, "BE"),
              (40130, "DA"), (40099, "FR"), (40103, "GE"), (40100, "IN"), (40125, "NL"), (40145, "PO"),
              (40128, "SC"), (40120, "SP"), (40146, "CH"), (40097, "FI"), (40080, "NO"), (40081, "SV"),
              (40126, "RU")]


COLORI_CAMPIONATI = ["#1565c0", "#2e7d32", "#6a1b9a", "#00838f", "#c62828", "#ef6c00", "#ad1457",
                     "#283593", "#424242", "#6d4c41", "#fdd835", "#7cb342", "#039be5", "#ff8a80",
                     "#ce93d8", "#004d40", "#90a4ae", "#9e9d24", "#80cbc4"]


def testo_su(fondo):
    # Dark letters on light badges, white on the others.
    r, g, b = (int(fondo[k:k + 2], 16) for k in (1, 3, 5))
    return INCHIOSTRO if 0.299 * r + 0.587 * g + 0.114 * b > 150 else "#ffffff"


def campionati():
    n = len(CAMPIONATI)
    for i, (ident, codice) in enumerate(CAMPIONATI):
        # Nineteen colours chosen by hand so that no two badges are confused.
        fondo = COLORI_CAMPIONATI[i]
        bordo = INCHIOSTRO
        dimensione = 15 if len(codice) == 1 else 11.5
        corpo = (f'<path d="M4 3H28V15.5C28 22.5 22.5 27 16 30C9.5 27 4 22.5 4 15.5Z" fill="{fondo}" '
                 f'stroke="{bordo}" stroke-width="2" stroke-linejoin="round"/>'
                 f'<path d="M6.5 5.5H25.5V8H6.5Z" fill="#ffffff" fill-opacity="0.35"/>'
                 f'<text x="16" y="{f(19.5 if len(codice) == 1 else 19)}" font-family="{CARATTERE}" '
                 f'font-weight="bold" font-size="{f(dimensione)}" text-anchor="middle" fill="{testo_su(fondo)}">{codice}</text>')
        scrivi(f"comandi/{ident}.svg", svg(32, 32, corpo, f"Campionato {codice}"))
    assert n == 19


# ---------------------------------------------------------------- pictures

def strisce_campo(larghezza, altezza, passo):
    return "".join(f'<rect x="{x}" y="0" width="{passo}" height="{altezza}" fill="#388e3c"/>'
                   for x in range(0, larghezza, 2 * passo))


def avvio():
    # Start-up picture: a pitch, a ball and the program's names.
    l, a = 480, 300
    corpo = [f'<rect width="{l}" height="{a}" fill="{VERDE}"/>', strisce_campo(l, a, 40),
             f'<g fill="none" stroke="#ffffff" stroke-opacity="0.45" stroke-width="3">'
             f'<rect x="12" y="12" width="{l - 24}" height="{a - 24}"/>'
             f'<line x1="{l / 2}" y1="12" x2="{l / 2}" y2="{a - 12}"/>'
             f'<circle cx="{l / 2}" cy="{a / 2}" r="56"/></g>',
             f'<ellipse cx="122" cy="236" rx="62" ry="12" fill="#000000" fill-opacity="0.25"/>',
             pallone(122, 150, 78, "pa", 3),
             f'<g font-family="{CARATTERE}" fill="#ffffff" text-anchor="middle">'
             f'<text x="340" y="128" font-size="54" font-weight="bold" letter-spacing="2">VELTRA</text>'
             f'<text x="340" y="172" font-size="34" font-weight="bold" fill="{AMBRA}">2005</text>'
             f'<text x="340" y="212" font-size="19">MARVEN 9 · TALBOR 6</text>'
             f'<text x="340" y="252" font-size="14" font-style="italic" fill-opacity="0.85">'
             f'Statistiche e pronostici di calcio</text></g>']
    scrivi("avvio.svg", svg(l, a, "".join(corpo), "VELTRA - avvio"))


def sfondo():
    # Background tile of the main window: a quiet diamond weave that repeats seamlessly.
    l = 48
    corpo = (f'<rect width="{l}" height="{l}" fill="#dde6dd"/>'
             f'<path d="M0 24L24 0L48 24L24 48Z" fill="none" stroke="#cfdbcf" stroke-width="2"/>'
             f'<circle cx="0" cy="0" r="2" fill="#c8d6c8"/><circle cx="48" cy="0" r="2" fill="#c8d6c8"/>'
             f'<circle cx="0" cy="48" r="2" fill="#c8d6c8"/><circle cx="48" cy="48" r="2" fill="#c8d6c8"/>'
             f'<circle cx="24" cy="24" r="2" fill="#c8d6c8"/>')
    scrivi("sfondo.svg", svg(l, l, corpo, "VELTRA - sfondo"))


def centro():
    # Centre picture: a ball beside the three probabilities 1, X, 2.
    l, a = 400, 260
    barre = []
    for i, (segno, h, colore) in enumerate([("1", 120, VERDE), ("X", 74, GRIGIO), ("2", 92, ROSSO)]):
        x = 214 + i * 54
        barre.append(f'<rect x="{x}" y="{190 - h}" width="38" height="{h}" rx="3" fill="{colore}" '
                     f'stroke="{INCHIOSTRO}" stroke-width="2.5"/>'
                     f'<text x="{x + 19}" y="216" font-family="{CARATTERE}" font-size="22" font-weight="bold" '
                     f'text-anchor="middle" fill="{INCHIOSTRO}">{segno}</text>')
    corpo = [f'<rect x="4" y="4" width="{l - 8}" height="{a - 8}" rx="22" fill="#ffffff" fill-opacity="0.78" '
             f'stroke="{VERDE}" stroke-width="3"/>',
             f'<ellipse cx="112" cy="200" rx="56" ry="10" fill="#000000" fill-opacity="0.18"/>',
             pallone(112, 128, 68, "pc", 3),
             f'<line x1="200" y1="190" x2="374" y2="190" stroke="{INCHIOSTRO}" stroke-width="2.5"/>',
             "".join(barre),
             f'<text x="200" y="246" font-family="{CARATTERE}" font-size="17" font-weight="bold" '
             f'text-anchor="middle" fill="{VERDE}" letter-spacing="6">VELTRA</text>']
    scrivi("centro.svg", svg(l, a, "".join(corpo), "VELTRA"))


def programma():
    # Program icon: ball and rising bars on a green tile; readable down to 16 px.
    corpo = [f'<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
             f'<stop offset="0" stop-color="#43a047"/><stop offset="1" stop-color="#1b5e20"/></linearGradient></defs>',
             f'<rect x="8" y="8" width="240" height="240" rx="44" fill="url(#g)"/>',
             f'<rect x="150" y="118" width="26" height="92" rx="4" fill="{CARTA}"/>',
             f'<rect x="184" y="88" width="26" height="122" rx="4" fill="{AMBRA}"/>',
             f'<rect x="218" y="56" width="26" height="154" rx="4" fill="{CARTA}" fill-opacity="0.9"/>',
             pallone(96, 150, 70, "pp", 6)]
    scrivi("veltra.svg", svg(256, 256, "".join(corpo), "VELTRA"))


if __name__ == "__main__":
    comandi()
    campionati()
    avvio()
    sfondo()
    centro()
    programma()
