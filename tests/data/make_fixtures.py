#!/usr/bin/env python3
"""Writes the record fixtures of tests/data: for each archive format a golden
file, broken variants and machine-readable tables, made without the program's
own code (Python standard library only).

Every record is a row of text fields: a length byte L, then `capacity` bytes of
Windows-1252 text of which the first L count. A yes/no flag is a text field of
capacity 2 holding "Sì" (02 53 EC) or "No" (02 4E 6F). Records have no header
and no padding; record k starts at k * size.

For each format, in tests/data/<format>/:
  layout.tsv      name, offset, capacity, kind (text or flag), one line per field
  golden.<ext>    2 or 3 sound records (golden.tsv: what each field reads)
  torn.<ext>      the golden records and a partial record at the end
  overlength.<ext> golden records where some length bytes exceed the capacity
                  (overlength.tsv: what each field reads: the capacity's bytes)
  badflag.<ext>   formats with a flag: flags that are neither "Sì" nor "No"
                  (badflag.tsv: "-" marks a flag that reads as neither)
and tests/data/formats.tsv: format, archive name, record size, field count,
whole records of the golden file.

Run from anywhere: python3 tests/data/make_fixtures.py. The output is the
same at every run (no dates, no randomness).
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------
# Layouts, written out field by field: (name, capacity); FLAG = a yes/no flag.

FLAG = 'flag'

ATTACHMENTS = [('File01', 250), ('File02', 250), ('File03', 250),
               ('Desc01', 250), ('Desc02', 250), ('Desc03', 250)]

OWNERS = [
    ('Cliente', 50), ('DataNasc', 30), ('ComuneNasc', 50), ('ProvNasc', 2),
    ('Sesso', 1), ('Recapito', 50), ('IndirizzoRes', 50), ('ProvRes', 2),
    ('ComuneRes', 50), ('CapRes', 5), ('Estremi', 250), ('TelCasa', 30),
    ('TelUff', 30), ('TelCel', 30), ('Fax', 30), ('Email', 50),
    ('CodFisc', 16), ('Carta', 30), ('ScadeCarta', 30), ('PartitaIva', 11),
    ('Iban', 27), ('Documento', 120), ('Occupazione', 50), ('Civile', 50),
    ('Titoli', 120), ('CaniOra', 250), ('CaniPrima', 250), ('Questioni', 250),
    ('Note', 250), ('Ricontatta', FLAG),
] + ATTACHMENTS

DOGS = [
    ('Nome', 50), ('Sesso', 1), ('DataNasc', 10), ('Gruppo', 50), ('Razza', 50),
    ('Mantello', 50), ('Pelo', 50), ('Segni', 250), ('Altezza', 50),
    ('Lunghezza', 50), ('Taglia', 50), ('Peso', 50), ('Sterilizzato', 50),
    ('Libretto', 250), ('Medico', 250), ('ROI', 250), ('Microchip', 50),
    ('DataApp', 10), ('Localizzazione', 50), ('Tatuaggio', 250),
    ('Pedigree', 250), ('Aggressivo', 250), ('Guinzaglio', 250),
    ('Giochi', 250), ('Note', 250),
    ('Proprietario', 50), ('Recapito', 50), ('CodFisc', 16), ('ComuneRes', 50),
    ('InizioProp', 10), ('Allevatore', 250), ('Passaggi', 250), ('Padre', 250),
    ('NonniPat', 250), ('BisnonniPat', 250), ('TrisnonniPat', 250),
    ('Madre', 250), ('NonniMat', 250), ('BisnonniMat', 250),
    ('TrisnonniMat', 250), ('CampionatiIta', 250), ('CampionatiInt', 250),
    ('Titoli', 250), ('Accompagnatori', 250), ('Iscrizioni', 250),
    ('Vaccinazioni', 250), ('Sverminazioni', 250), ('Trattamenti', 250),
    ('Accertamenti', 250), ('Malattie', 250), ('Interventi', 250),
    ('Profilassi', 250), ('Difetti', 250), ('Alimentazione', 250),
] + ATTACHMENTS

DOGCOSTS = [
    ('Data', 10), ('Causale', 40), ('Pagatore', 26), ('Beneficiario', 26),
    ('Importo', 15),
]

SERVICES = [
    ('Codice', 20), ('Descrizione', 55), ('Prezzo', 10), ('Tipologia', 50),
    ('Supplementi', 250), ('Luogo', 50), ('Durata', 50), ('Vincoli', 250),
    ('Responsabile', 250), ('Note', 250), ('NonErogabile', FLAG),
] + ATTACHMENTS

BOXES = [
    ('Box', 30), ('Dimensioni', 30), ('Capacita', 30), ('Prezzo', 15),
    ('Tipologia', 50), ('Taglia', 250), ('Descrizione', 250),
    ('Collocazione', 250), ('Accessori', 250), ('Note', 250),
    ('NonPrenotabile', FLAG),
] + ATTACHMENTS

# The planner: the box header, then one booking text per day of a leap year.
MONTHS = [('Gen', 31), ('Feb', 29), ('Mar', 31), ('Apr', 30), ('Mag', 31),
          ('Giu', 30), ('Lug', 31), ('Ago', 31), ('Set', 30), ('Ott', 31),
          ('Nov', 30), ('Dic', 31)]
PLANNER = [('Box', 30), ('Dimensioni', 30), ('Capacita', 30), ('Prezzo', 15)] + [
    ('%s_%02d' % (month, day), 50) for month, days in MONTHS for day in range(1, days + 1)]

# The quote: header, customer, dog, then the 30 item rows stored column by
# column, then the totals.
QUOTES = [
    ('NumFatt', 30), ('Data', 20), ('Ditta', 50), ('ViaDitta', 50),
    ('CapDitta', 12), ('CittaDitta', 50), ('ProvDitta', 2), ('IvaDitta', 30),
    ('CodFiscDitta', 30), ('Libero01', 50), ('Libero02', 50),
    ('Cliente', 50), ('ViaCliente', 50), ('CapCliente', 12),
    ('CittaCliente', 50), ('ProvCliente', 2), ('IvaCliente', 30),
    ('CodFiscCliente', 30), ('Riferimenti', 50), ('Pagamento', 50),
    ('Banca', 50), ('Iban', 50),
    ('Veicolo', 50), ('Marca', 50), ('Colore', 50), ('Immatricolazione', 50),
    ('Alimentazione', 50), ('Targa', 50),
] + [('Quant%02d' % n, 6) for n in range(1, 31)] \
  + [('Codice%02d' % n, 20) for n in range(1, 31)] \
  + [('Desc%02d' % n, 55) for n in range(1, 31)] \
  + [('Prezzo%02d' % n, 10) for n in range(1, 31)] \
  + [('PercSconto%02d' % n, 6) for n in range(1, 31)] \
  + [('Importo%02d' % n, 10) for n in range(1, 31)] \
  + [('Es%02d' % n, FLAG) for n in range(1, 31)] + [
    ('TotImponibile', 10), ('PercIva', 10), ('TotImposta', 10), ('TotIva', 10),
    ('TotEsente', 10), ('TotFattura', 10), ('Note', 250), ('Saldata', FLAG),
]

DEADLINES = [
    ('Giorno', 2), ('Mese', 10), ('Anno', 4), ('Data', 10), ('OreApp', 2),
    ('MinutiApp', 2), ('Ora', 5), ('Avviso', 3), ('Proprietario', 50),
    ('CodFisc', 16), ('Recapito', 50), ('Nome', 50), ('DataNasc', 50),
    ('Razza', 50), ('Mantello', 50), ('Microchip', 50), ('Segni', 250),
    ('Persona', 50), ('Dettagli', 250), ('Officina', 150), ('Costo', 15),
    ('Contatto', 50), ('Note', 250), ('DaConfermare', FLAG), ('Effettuata', FLAG),
]

# (format, archive name, extension, layout, record size, offsets to check)
FORMATS = [
    ('owners', 'Proprietari.pro', 'pro', OWNERS, 3702,
     {'DataNasc': 51, 'Sesso': 136, 'Estremi': 300, 'Iban': 817, 'Note': 1942,
      'Ricontatta': 2193, 'File01': 2196, 'Desc03': 3451}),
    ('dogs', 'Anagrafica_Cani.pro', 'pro', DOGS, 10857,
     {'DataNasc': 53, 'Note': 2895, 'Proprietario': 3146, 'InizioProp': 3316,
      'Iscrizioni': 6841, 'Vaccinazioni': 7092, 'Alimentazione': 9100,
      'File01': 9351, 'Desc03': 10606}),
    ('dogcosts', 'Costi_Cane_<n>.pro', 'pro', DOGCOSTS, 122,
     {'Causale': 11, 'Pagatore': 52, 'Beneficiario': 79, 'Importo': 106}),
    ('services', 'Listino_Prezzi.pro', 'pro', SERVICES, 2754,
     {'Prezzo': 77, 'Note': 994, 'NonErogabile': 1245, 'File01': 1248,
      'Desc03': 2503}),
    ('boxes', 'Box_Cani.pro', 'pro', BOXES, 2924,
     {'Prezzo': 93, 'Tipologia': 109, 'Note': 1164, 'NonPrenotabile': 1415,
      'File01': 1418, 'Desc03': 2673}),
    ('planner', 'Prenotazioni box <box> anno <year>.pln', 'pln', PLANNER, 18775,
     {'Prezzo': 93, 'Gen_01': 109, 'Gen_31': 1639, 'Feb_01': 1690,
      'Feb_29': 3118, 'Mar_01': 3169, 'Giu_30': 9340, 'Lug_01': 9391,
      'Dic_01': 17194, 'Dic_31': 18724}),
    ('quotes', '<year>.pre', 'pre', QUOTES, 4926,
     {'Cliente': 385, 'Riferimenti': 616, 'Veicolo': 820, 'Targa': 1075,
      'Quant01': 1126, 'Quant30': 1329, 'Codice01': 1336, 'Desc01': 1966,
      'Prezzo01': 3646, 'PercSconto01': 3976, 'Importo01': 4186,
      'Es01': 4516, 'Es30': 4603, 'TotImponibile': 4606, 'PercIva': 4617,
      'TotFattura': 4661, 'Note': 4672, 'Saldata': 4923}),
    ('deadlines', '<year>.sca', 'sca', DEADLINES, 1448,
     {'Mese': 3, 'Anno': 14, 'Avviso': 42, 'Proprietario': 46, 'Segni': 420,
      'Officina': 973, 'Costo': 1124, 'Note': 1191, 'DaConfermare': 1442,
      'Effettuata': 1445}),
]


def capacity(cap):
    return 2 if cap == FLAG else cap


def offsets(layout):
    """[(name, offset, capacity, kind)] and the record size."""
    rows, at = [], 0
    for name, cap in layout:
        rows.append((name, at, capacity(cap), 'flag' if cap == FLAG else 'text'))
        at += capacity(cap) + 1
    return rows, at


# ---------------------------------------------------------------------------
# Values.

YES, NO = 'Sì', 'No'


def to_cap(phrase, cap):
    """A text of exactly `cap` characters made of `phrase` repeated, never
    ending in a blank (readers trim)."""
    text = (phrase * (cap // len(phrase) + 1))[:cap]
    if text[-1] == ' ':
        text = text[:-1] + '.'
    return text


OWNER_VALUES = [
    {
        'Cliente': to_cap("Dell'Orto Bianchi Maria Letizia, Città ", 50),
        'DataNasc': '12/03/1975', 'ComuneNasc': 'Città di Castello',
        'ProvNasc': 'PG', 'Sesso': 'F', 'Recapito': '+39 333 1234567',
        'IndirizzoRes': 'Via della Libertà 7', 'ProvRes': 'MI',
        'ComuneRes': 'Milano', 'CapRes': '20121',
        'Estremi': 'Bonifico bancario, già concordato',
        'TelCasa': '02 1234567', 'TelCel': '333 1234567',
        'Email': 'maria.bianchi@example.it', 'CodFisc': 'BNCMLT75C52C745X',
        'Carta': '4111111111111111', 'ScadeCarta': '12/2028',
        'PartitaIva': '01234567890', 'Iban': 'IT60X0542811101000000123456',
        'Documento': "Carta d'identità n. AX1234567", 'Occupazione': 'Insegnante',
        'Civile': 'Coniugata', 'Titoli': 'Laurea in Lettere',
        'CaniOra': 'Briciola (Bassotto), Fiocco (Maltese)',
        'Questioni': 'Saldo di 120,00 € ancora da versare',
        'Note': to_cap('Preferisce essere chiamata di sera; è molto puntuale. ', 250),
        'Ricontatta': YES, 'File01': 'contratto_bianchi.pdf',
        'Desc01': 'Contratto di pensione firmato',
    },
    {
        'Cliente': 'Rossi Giovanni', 'DataNasc': '1 maggio 1960',
        'ComuneNasc': 'Zürich (Svizzera)', 'ProvNasc': 'EE', 'Sesso': 'M',
        'Recapito': '348 7654321', 'IndirizzoRes': 'Piazza Garibaldi 1',
        'ProvRes': 'TO', 'ComuneRes': 'Torino', 'CapRes': '10122',
        'Estremi': 'Contanti', 'Email': 'g.rossi@example.com',
        'CodFisc': 'RSSGNN60E01Z133K', 'Civile': 'Celibe',
        'CaniPrima': 'Argo, pastore tedesco (morto nel 2019)',
        'Ricontatta': NO,
        'File01': 'ricevuta 2024.pdf', 'File02': 'foto_argo.jpg',
        'Desc01': 'Ricevuta', 'Desc02': 'Foto di Argo',
        'Desc03': to_cap('Descrizione lunga: però è così. ', 250),
    },
    {
        'Cliente': 'Esposito Anna', 'ComuneRes': 'Forlì', 'ProvRes': 'FC',
        'Sesso': 'F', 'Occupazione': 'Libera professionista',
        'Questioni': 'Perché non ha ritirato il libretto?',
        'Note': 'Sì, ha già pagato', 'Ricontatta': YES,
    },
]

DOG_VALUES = [
    {
        'Nome': 'Briciola', 'Sesso': 'F', 'DataNasc': '05/06/2018',
        'Gruppo': 'Gruppo 4', 'Razza': 'Bassotto', 'Mantello': 'Focato',
        'Pelo': 'Raso', 'Segni': 'Macchia bianca sul petto', 'Taglia': 'Piccola',
        'Peso': '9 kg', 'Sterilizzato': 'Sì', 'Medico': 'Dott. Bellò, Città di Castello',
        'Microchip': '380260000123456', 'DataApp': '10/08/2018',
        'Note': to_cap('Teme i temporali; non lasciarla sola di notte. ', 250),
        'Proprietario': "Dell'Orto Bianchi Maria Letizia", 'Recapito': '333 1234567',
        'CodFisc': 'BNCMLT75C52C745X', 'ComuneRes': 'Milano', 'InizioProp': '01/09/2018',
        'Vaccinazioni': 'Polivalente 03/2024', 'Alimentazione': 'Crocchette, due pasti al dì',
        'File01': 'libretto_briciola.pdf', 'Desc01': 'Libretto sanitario',
    },
    {
        'Nome': to_cap('Fiocco di Neve della Valle Incantata, detto Fiò ', 50),
        'Sesso': 'M', 'DataNasc': '31/12/2020', 'Razza': 'Maltese',
        'Aggressivo': 'No', 'Padre': 'Ch. Bianco Perla', 'Madre': 'Stella',
        'CampionatiIta': 'Expo di Forlì 2022: 1° classificato',
        'Iscrizioni': to_cap('ENCI, Club Italiano del Maltese; ', 250),
    },
    {
        'Nome': 'Argo', 'Sesso': 'M', 'Razza': 'Pastore tedesco',
        'Malattie': 'Displasia dell’anca (lieve)', 'Desc03': 'Radiografia',
        'File03': 'rx_argo.png',
    },
]

DOGCOST_VALUES = [
    {'Data': '15/01/2025', 'Causale': 'Visita veterinaria', 'Pagatore': 'Pensione',
     'Beneficiario': 'Dott. Bellò', 'Importo': '45,00'},
    {'Data': '20/02/2025', 'Causale': to_cap('Toelettatura completa e taglio unghie ', 40),
     'Pagatore': to_cap('Maria Letizia Bianchi ', 26), 'Beneficiario': 'Città Pulita snc',
     'Importo': '1.250,50'},
    {'Data': '03/03/2025', 'Causale': 'Antiparassitario', 'Pagatore': 'Proprietà',
     'Importo': '0,00'},
]

SERVICE_VALUES = [
    {'Codice': 'TOEL01', 'Descrizione': 'Toelettatura completa', 'Prezzo': '35,00',
     'Tipologia': 'Igiene', 'Supplementi': 'Taglio unghie: 5,00 €', 'Luogo': 'Sala toelettatura',
     'Durata': '1 ora', 'Responsabile': to_cap('Lucia Ferrè, responsabile di sala. ', 250), 'NonErogabile': NO,
     'File01': 'listino_toelettatura.pdf', 'Desc01': 'Listino'},
    {'Codice': to_cap('PASSEGGIATA-LUNGA-X ', 20),
     'Descrizione': to_cap('Passeggiata lunga in collina, con più soste. ', 55),
     'Prezzo': '12,50', 'Vincoli': 'Solo cani già socializzati', 'NonErogabile': YES,
     'Note': to_cap('Sospesa fino a primavera: il sentiero è chiuso. ', 250)},
    {'Codice': 'ADD03', 'Descrizione': 'Addestramento di base', 'Prezzo': '100.000,00',
     'NonErogabile': NO},
]

BOX_VALUES = [
    {'Box': 'A1', 'Dimensioni': '3 x 2 m', 'Capacita': '2', 'Prezzo': '18,00',
     'Tipologia': to_cap('Interno riscaldato, con finestra sul cortile. ', 50), 'Taglia': 'Piccola e media',
     'Descrizione': 'Box con cuccia e lettiera', 'Collocazione': 'Ala nord, vicino alla sala',
     'Accessori': 'Ciotole in acciaio, brandina', 'NonPrenotabile': NO,
     'File01': 'pianta_A1.pdf', 'Desc01': 'Pianta del box'},
    {'Box': to_cap('B12-SUITE-TERRAZZA-PANORAMICA ', 30), 'Dimensioni': '4 x 3 m',
     'Capacita': '1', 'Prezzo': '1.234,56', 'NonPrenotabile': YES,
     'Note': 'In ristrutturazione: riapertura a metà giugno'},
    {'Box': 'C3', 'Dimensioni': '2 x 2 m', 'Capacita': '1', 'Prezzo': '0,00',
     'Descrizione': to_cap('Box esterno con tettoia, ombreggiato in estate. ', 250),
     'NonPrenotabile': NO},
]

PLANNER_VALUES = [
    {'Box': 'A1', 'Dimensioni': '3 x 2 m', 'Capacita': '2', 'Prezzo': '18,00',
     'Gen_01': 'Briciola - Bianchi', 'Feb_29': 'Fiocco - Città di Castello',
     'Ago_15': to_cap('Ferragosto: Argo e Briciola, già pagato. ', 50),
     'Dic_31': 'Capodanno: Fiò'},
    {'Box': 'C3', 'Dimensioni': '2 x 2 m', 'Capacita': '1', 'Prezzo': '0,00',
     'Mar_01': 'Argo', 'Giu_30': to_cap('Argo: uscita alle 18, ritira la signora Rossi. ', 50), 'Lug_01': 'Perla - Forlì'},
]


def quote(number, rows, **fields):
    values = dict(fields)
    values['NumFatt'] = number
    for n, (quant, code, desc, price, disc, amount, exempt) in enumerate(rows, 1):
        values.update({'Quant%02d' % n: quant, 'Codice%02d' % n: code, 'Desc%02d' % n: desc,
                       'Prezzo%02d' % n: price, 'PercSconto%02d' % n: disc,
                       'Importo%02d' % n: amount, 'Es%02d' % n: exempt})
    for n in range(len(rows) + 1, 31):
        values['Es%02d' % n] = NO
    return values


QUOTE_VALUES = [
    quote('1/2025', [
        ('3', 'A1', 'Pensione box A1 (giornaliera)', '18,00', '0', '54,0000', NO),
        ('1', 'TOEL01', 'Toelettatura completa', '35,00', '10', '31,5000', NO),
        ('1', 'VET', 'Visita veterinaria (esente)', '45,00', '0', '45,0000', YES),
    ], Data='15/01/2025', Ditta='Pensione La Cuccia Felice', ViaDitta='Via dei Tigli 3',
        CapDitta='06012', CittaDitta='Città di Castello', ProvDitta='PG',
        IvaDitta='01234567890', Cliente="Dell'Orto Bianchi Maria Letizia",
        CittaCliente='Milano', ProvCliente='MI', Pagamento='Bonifico a 30 giorni',
        Veicolo='Briciola', Marca='Bassotto', Alimentazione='13/01/2025 09:00',
        Targa='16/01/2025 18:00', TotImponibile='85,50', PercIva='22',
        TotImposta='18,81', TotIva='104,31', TotEsente='45,00', TotFattura='149,31',
        Note='Grazie per la fiducia: è stato un piacere.', Saldata=NO),
    quote('2/2025', [
        (to_cap('123456', 6), to_cap('CODICE-MOLTO-LUNGO-X', 20),
         to_cap('Descrizione di riga piena fino all’ultimo carattere. ', 55),
         '9999999,99', '100', '0,0000', NO),
    ], Data='20/02/2025', Ditta='Pensione La Cuccia Felice', Cliente='Rossi Giovanni',
        CittaCliente='Torino', ProvCliente='TO',
        Libero01=to_cap('Campo libero: più informazioni qui. ', 50),
        TotImponibile='0,00', PercIva='22', TotImposta='0,00', TotIva='0,00',
        TotEsente='0,00', TotFattura='0,00', Saldata=YES),
    quote(to_cap('3/2025-PENSIONE-ESTATE-CUCCIA ', 30), [], Data='03/03/2025', Cliente='Esposito Anna',
          Saldata=NO),
]

DEADLINE_VALUES = [
    {'Giorno': '05', 'Mese': 'Marzo', 'Anno': '2025', 'Data': '05/03/2025',
     'OreApp': '09', 'MinutiApp': '30', 'Ora': '09:30', 'Avviso': '3',
     'Proprietario': "Dell'Orto Bianchi Maria Letizia", 'CodFisc': 'BNCMLT75C52C745X',
     'Recapito': '333 1234567', 'Nome': 'Briciola', 'Razza': 'Bassotto',
     'Persona': 'Dott. Bellò', 'Dettagli': 'Richiamo vaccinazione polivalente',
     'Officina': 'Contanti', 'Costo': '45,00', 'Contatto': 'Ricevuta n. 12',
     'DaConfermare': YES, 'Effettuata': NO},
    {'Giorno': '29', 'Mese': 'Febbraio', 'Anno': '2024', 'Data': '29/02/2024',
     'OreApp': '23', 'MinutiApp': '59', 'Ora': '23:59', 'Avviso': '999',
     'Proprietario': 'Rossi Giovanni', 'Nome': 'Argo', 'Dettagli': 'Controllo anca',
     'Costo': '0,00', 'Segni': to_cap('Cicatrice sulla zampa anteriore sinistra; è docile. ', 250),
     'Officina': to_cap('Bonifico bancario, poi saldo in contanti a fine mese. ', 150),
     'DaConfermare': NO, 'Effettuata': YES},
    {'Giorno': '01', 'Mese': 'Dicembre', 'Anno': '2025', 'Data': '01/12/2025',
     'OreApp': '00', 'MinutiApp': '00', 'Ora': '00:00', 'Avviso': '0',
     'Proprietario': 'Esposito Anna', 'Nome': 'Perla', 'Dettagli': 'Toelettatura',
     'Costo': '35,00', 'Note': 'Città: Forlì', 'DaConfermare': NO, 'Effettuata': NO},
]

VALUES = {
    'owners': OWNER_VALUES, 'dogs': DOG_VALUES, 'dogcosts': DOGCOST_VALUES,
    'services': SERVICE_VALUES, 'boxes': BOX_VALUES, 'planner': PLANNER_VALUES,
    'quotes': QUOTE_VALUES, 'deadlines': DEADLINE_VALUES,
}

# Bytes that an old record leaves after a shorter text (the last record of each
# golden file carries them in its slack, which readers must ignore).
STALE = b'#stale# '

# Flags that read as neither yes nor no, one per record of the badflag file.
BAD_FLAGS = [b'\x02Si', b'\x00\x00\x00', b'\x02s\xec']


# ---------------------------------------------------------------------------
# Records.

def encode(text):
    return text.encode('cp1252')


def make_record(rows, size, values, stale):
    record = bytearray((STALE * (size // len(STALE) + 1))[:size] if stale else size)
    for name, off, cap, kind in rows:
        text = values.get(name, '')
        if kind == 'flag':
            text = text or NO
            assert text in (YES, NO), (name, text)
        data = encode(text)
        assert len(data) <= cap, (name, text, len(data), cap)
        assert text == text.strip(' \t\r\n'), (name, text)
        record[off] = len(data)
        record[off + 1:off + 1 + len(data)] = data
    return record


def expected_lines(rows, records_values):
    lines = ['# record\tfield\treading (flags: Sì, No, or - for neither)']
    for index, values in enumerate(records_values):
        for name, _, _, kind in rows:
            text = values.get(name, '')
            if kind == 'flag' and text == '':
                text = NO
            lines.append('%d\t%s\t%s' % (index, name, text))
    return lines


def write(path, data):
    with open(path, 'wb') as f:
        f.write(data)


def write_text(path, lines):
    write(path, ('\n'.join(lines) + '\n').encode('utf-8'))


def overlength_fields(rows):
    """The first text field and the last text field of a record."""
    texts = [r for r in rows if r[3] == 'text']
    return texts[0], texts[-1]


def generate(fmt, archive, ext, layout, size, checks):
    rows, total = offsets(layout)
    assert total == size, (fmt, total, size)
    names = [r[0] for r in rows]
    assert len(set(names)) == len(names), fmt
    by_name = {r[0]: r for r in rows}
    for name, off in checks.items():
        assert by_name[name][1] == off, (fmt, name, by_name[name][1], off)
    values = VALUES[fmt]
    for v in values:
        unknown = set(v) - set(names)
        assert not unknown, (fmt, unknown)
    # Each record has a field filled to its capacity; the file has an empty
    # field and an accented text.
    for v in values:
        assert any(len(encode(v.get(n, ''))) == c and k == 'text' for n, _, c, k in rows), fmt
    assert any(v.get(n, '') == '' and k == 'text' for v in values for n, _, c, k in rows), fmt
    assert any(any(ch in t for t in v.values() for ch in 'àèéìòù') for v in values), fmt

    folder = os.path.join(HERE, fmt)
    os.makedirs(folder, exist_ok=True)
    write_text(os.path.join(folder, 'layout.tsv'),
               ['# name\toffset\tcapacity\tkind'] +
               ['%s\t%d\t%d\t%s' % r for r in rows])

    records = [make_record(rows, size, v, stale=(i == len(values) - 1))
               for i, v in enumerate(values)]
    golden = b''.join(records)
    write(os.path.join(folder, 'golden.' + ext), golden)
    write_text(os.path.join(folder, 'golden.tsv'), expected_lines(rows, values))

    # A torn tail: the start of one more record, cut in the middle.
    write(os.path.join(folder, 'torn.' + ext), golden + records[0][:size // 2])

    # Length bytes above the capacity: the first text field of the first
    # record and the last text field of the second (whose capacity then runs
    # into the next record); each holds text over its whole capacity.
    first, last = overlength_fields(rows)
    broken = [bytearray(r) for r in records]
    over_values = [dict(v) for v in values]
    for record_index, (name, off, cap, _) in ((0, first), (1, last)):
        text = to_cap('Oltre la capacità: %s. ' % name, cap)
        broken[record_index][off] = 0xFF
        broken[record_index][off + 1:off + 1 + cap] = encode(text)
        over_values[record_index][name] = text
    write(os.path.join(folder, 'overlength.' + ext), b''.join(broken))
    write_text(os.path.join(folder, 'overlength.tsv'), expected_lines(rows, over_values))

    # Flags that are neither "Sì" nor "No": every flag of record i gets bad
    # flag i ("Si" without accent, an empty flag, "sì" in lower case).
    flags = [r for r in rows if r[3] == 'flag']
    has_badflag = bool(flags)
    if has_badflag:
        broken = [bytearray(r) for r in records]
        bad_values = [dict(v) for v in values]
        for i, record in enumerate(broken):
            for name, off, _, _ in flags:
                record[off:off + 3] = BAD_FLAGS[i % len(BAD_FLAGS)]
                bad_values[i][name] = '-'
        write(os.path.join(folder, 'badflag.' + ext), b''.join(broken))
        write_text(os.path.join(folder, 'badflag.tsv'), expected_lines(rows, bad_values))
    return '%s\t%s\t%s\t%d\t%d\t%d\t%s' % (fmt, archive, ext, size, len(rows), len(values),
                                           'yes' if has_badflag else 'no')


def main():
    lines = ['# format\tarchive\textension\trecord size\tfields\tgolden records\tbadflag']
    for entry in FORMATS:
        lines.append(generate(*entry))
    write_text(os.path.join(HERE, 'formats.tsv'), lines)
    return 0


if __name__ == '__main__':
    sys.exit(main())
