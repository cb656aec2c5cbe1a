-- Version-7 tables of delivery notes, purchase invoices, payments, stock
-- movements and returns. Each table has a field or two of its own that the
-- conversion leaves to its default.

-- Delivery note headers. The month is text ("01".."12"), so is the price-list rate.
CREATE TABLE [ddt] (
    [id fattura] LONG NOT NULL,
    [fattura_n] LONG,
    [anno_fattura] TEXT(4),
    [mese_fattura] TEXT(2),
    [id_paziente] LONG,
    [nominativo] TEXT(60),
    [data_fattura] DATETIME,
    [seconda_riga] TEXT(60),
    [indirizzo] TEXT(60),
    [citta] TEXT(60),
    [pr] TEXT(2),
    [cap] TEXT(5),
    [nazione] TEXT(60),
    [destina2] TEXT(60),
    [seconda2] TEXT(60),
    [indirizzo2] TEXT(60),
    [citta2] TEXT(60),
    [pr2] TEXT(2),
    [cap2] TEXT(5),
    [nazione2] TEXT(60),
    [piva] TEXT(20),
    [codfis] TEXT(16),
    [listino] TEXT(10),
    [%listino] TEXT(10),
    [desclistino] TEXT(30),
    [esenteiva] YESNO,
    [tipobolla] TEXT(50),
    [colli] INTEGER,
    [peso] DOUBLE,
    [aspetto] TEXT(50),
    [cautra] TEXT(50),
    [trame] TEXT(50),
    [porto] TEXT(50),
    [data] DATETIME,
    [ora] TEXT(5),
    [vettore] TEXT(50),
    [vetindi] TEXT(50),
    [vetcit] TEXT(50),
    [stampata] YESNO,
    [camponote] MEMO,
    [scaricato] YESNO,
    [pivacee] TEXT(20) DEFAULT '',
    [fatturato] YESNO DEFAULT FALSE,
    CONSTRAINT [pk_ddt] PRIMARY KEY ([id fattura])
);
CREATE INDEX [ddt_numero] ON [ddt] ([anno_fattura], [fattura_n]);

-- Delivery note lines, tied to their header by "id fattura".
-- "id voce" is not unique here: the run does not empty the line tables, so a
-- second conversion adds the lines again under their old numbers.
CREATE TABLE [ddt_voci] (
    [id voce] LONG NOT NULL,
    [id fattura] LONG,
    [codice] TEXT(20),
    [articolo] TEXT(100),
    [unità] TEXT(5),
    [qtà] DOUBLE,
    [prezzo] CURRENCY,
    [iva] TEXT(10),
    [sconto] DOUBLE,
    [importo] CURRENCY,
    [rifarticolo] TEXT(20),
    [codicedeposito] TEXT(10),
    [lotto] TEXT(20) DEFAULT ''
);
CREATE INDEX [ddt_voci_voce] ON [ddt_voci] ([id voce]);
CREATE INDEX [ddt_voci_fattura] ON [ddt_voci] ([id fattura]);

-- Purchase invoice headers.
CREATE TABLE [fatturaA] (
    [id fattura] LONG NOT NULL,
    [fattura_n] LONG,
    [n_fornitore] TEXT(20),
    [anno_fattura] TEXT(4),
    [id_paziente] LONG,
    [nominativo] TEXT(60),
    [data_fattura] DATETIME,
    [data_fornitore] DATETIME,
    [seconda_riga] TEXT(60),
    [esenteiva] YESNO,
    [tipobolla] TEXT(50),
    [scontosino] YESNO,
    [sconto1] DOUBLE,
    [sconto2] DOUBLE,
    [camponote] MEMO,
    [tipopag] TEXT(30),
    [modpag] TEXT(30),
    [valuta] TEXT(30),
    [conversionrate] DOUBLE,
    [tlordo] CURRENCY,
    [timponibile] CURRENCY,
    [timposta] CURRENCY,
    [tfattura] CURRENCY,
    [stampata] YESNO,
    [rata1c] DATETIME,
    [rata1d] CURRENCY,
    [rata2c] DATETIME,
    [rata2d] CURRENCY,
    [rata3c] DATETIME,
    [rata3d] CURRENCY,
    [rata4c] DATETIME,
    [rata4d] CURRENCY,
    [rata5c] DATETIME,
    [rata5d] CURRENCY,
    [rata6c] DATETIME,
    [rata6d] CURRENCY,
    [rata7c] DATETIME,
    [rata7d] CURRENCY,
    [rata8c] DATETIME,
    [rata8d] CURRENCY,
    [rata9c] DATETIME,
    [rata9d] CURRENCY,
    [rata10c] DATETIME,
    [rata10d] CURRENCY,
    [rata11c] DATETIME,
    [rata11d] CURRENCY,
    [rata12c] DATETIME,
    [rata12d] CURRENCY,
    [bolli] CURRENCY,
    [interessi] CURRENCY,
    [cauzione] CURRENCY,
    [reso] CURRENCY,
    [scaricato] YESNO DEFAULT FALSE,
    [protocollo] LONG DEFAULT 0,
    CONSTRAINT [pk_fatturaA] PRIMARY KEY ([id fattura])
);
CREATE INDEX [fatturaA_numero] ON [fatturaA] ([anno_fattura], [fattura_n]);

-- Purchase invoice lines. Unit and VAT code are not carried over from version 6.
-- "id voce" is not unique here: the run does not empty the line tables, so a
-- second conversion adds the lines again under their old numbers.
CREATE TABLE [fatturaA_voci] (
    [id voce] LONG NOT NULL,
    [id fattura] LONG,
    [codice] TEXT(20),
    [articolo] TEXT(100),
    [qtà] DOUBLE,
    [prezzo] CURRENCY,
    [sconto] DOUBLE,
    [importo] CURRENCY,
    [rifarticolo] TEXT(20),
    [codicefornitore] TEXT(20),
    [codicedep] TEXT(10),
    [unità] TEXT(5) DEFAULT 'NR',
    [iva] TEXT(10) DEFAULT '20'
);
CREATE INDEX [fatturaA_voci_voce] ON [fatturaA_voci] ([id voce]);
CREATE INDEX [fatturaA_voci_fattura] ON [fatturaA_voci] ([id fattura]);

-- Customer payment schedules, one per document.
CREATE TABLE [pagamenticlienti] (
    [id_paziente] LONG,
    [id fattura] LONG,
    [nominativo] TEXT(60),
    [tipo_documento] TEXT(30),
    [n_documento] LONG,
    [data_documento] DATETIME,
    [anno] TEXT(4),
    [valuta] TEXT(30),
    [importo] CURRENCY,
    [da riscuotere] CURRENCY,
    [scade1] DATETIME,
    [scade2] DATETIME,
    [scade3] DATETIME,
    [scade4] DATETIME,
    [scade5] DATETIME,
    [scade6] DATETIME,
    [scade7] DATETIME,
    [scade8] DATETIME,
    [scade9] DATETIME,
    [scade10] DATETIME,
    [scade11] DATETIME,
    [scade12] DATETIME,
    [cifra1] CURRENCY,
    [cifra2] CURRENCY,
    [cifra3] CURRENCY,
    [cifra4] CURRENCY,
    [cifra5] CURRENCY,
    [cifra6] CURRENCY,
    [cifra7] CURRENCY,
    [cifra8] CURRENCY,
    [cifra9] CURRENCY,
    [cifra10] CURRENCY,
    [cifra11] CURRENCY,
    [cifra12] CURRENCY,
    [incas1] YESNO,
    [incas2] YESNO,
    [incas3] YESNO,
    [incas4] YESNO,
    [incas5] YESNO,
    [incas6] YESNO,
    [incas7] YESNO,
    [incas8] YESNO,
    [incas9] YESNO,
    [incas10] YESNO,
    [incas11] YESNO,
    [incas12] YESNO,
    [imposta1] CURRENCY,
    [imposta2] CURRENCY,
    [imposta3] CURRENCY,
    [imposta4] CURRENCY,
    [imposta5] CURRENCY,
    [saldato] YESNO DEFAULT FALSE
);
CREATE UNIQUE INDEX [pagamenticlienti_documento] ON [pagamenticlienti] ([tipo_documento], [id fattura]);

-- Supplier payment schedules, one per supplier document. The field "pagato con " ends in a blank.
CREATE TABLE [pagamentifornitori] (
    [id fornitore] LONG,
    [fornitore] TEXT(60),
    [doc_num] TEXT(20),
    [data] DATETIME,
    [tipo_doc] TEXT(30),
    [totale] CURRENCY,
    [valuta] TEXT(30),
    [da pagare] CURRENCY,
    [pagato con ] TEXT(50),
    [note] MEMO,
    [scade1] DATETIME,
    [scade2] DATETIME,
    [scade3] DATETIME,
    [scade4] DATETIME,
    [scade5] DATETIME,
    [scade6] DATETIME,
    [scade7] DATETIME,
    [scade8] DATETIME,
    [scade9] DATETIME,
    [scade10] DATETIME,
    [scade11] DATETIME,
    [scade12] DATETIME,
    [cifra1] CURRENCY,
    [cifra2] CURRENCY,
    [cifra3] CURRENCY,
    [cifra4] CURRENCY,
    [cifra5] CURRENCY,
    [cifra6] CURRENCY,
    [cifra7] CURRENCY,
    [cifra8] CURRENCY,
    [cifra9] CURRENCY,
    [cifra10] CURRENCY,
    [cifra11] CURRENCY,
    [cifra12] CURRENCY,
    [incas1] YESNO,
    [incas2] YESNO,
    [incas3] YESNO,
    [incas4] YESNO,
    [incas5] YESNO,
    [incas6] YESNO,
    [incas7] YESNO,
    [incas8] YESNO,
    [incas9] YESNO,
    [incas10] YESNO,
    [incas11] YESNO,
    [incas12] YESNO,
    [iva1] TEXT(10),
    [imposta1] CURRENCY,
    [imponibile1] CURRENCY,
    [anno] TEXT(4),
    [saldato] YESNO DEFAULT FALSE
);
CREATE UNIQUE INDEX [pagamentifornitori_documento] ON [pagamentifornitori] ([id fornitore], [doc_num], [anno]);

-- Stock movements. Six names are spelt with other capitals than in version 6.
CREATE TABLE [movimentimagazzino] (
    [id movimento] LONG NOT NULL,
    [Numero] LONG,
    [Data] DATETIME,
    [Anno] TEXT(4),
    [Carico] DOUBLE,
    [Scarico] DOUBLE,
    [ID articolo] LONG,
    [Codice] TEXT(20),
    [Descrizione] TEXT(100),
    [CodiceDeposito] TEXT(10),
    [CostoEU] CURRENCY,
    [avvalorocosto] YESNO,
    [tipo12] INTEGER,
    [Causale] TEXT(50),
    [mese] TEXT(2),
    [rifdocumento] TEXT(20) DEFAULT '',
    CONSTRAINT [pk_movimentimagazzino] PRIMARY KEY ([id movimento])
);
CREATE INDEX [movimentimagazzino_articolo] ON [movimentimagazzino] ([ID articolo]);

-- Return headers.
CREATE TABLE [resi] (
    [id fattura] LONG NOT NULL,
    [fattura_n] LONG,
    [anno_fattura] TEXT(4),
    [id_paziente] LONG,
    [nominativo] TEXT(60),
    [data_fattura] DATETIME,
    [seconda_riga] TEXT(60),
    [indirizzo] TEXT(60),
    [citta] TEXT(60),
    [pr] TEXT(2),
    [cap] TEXT(5),
    [nazione] TEXT(60),
    [stampata] YESNO,
    [destina2] TEXT(60) DEFAULT '',
    [codfis] TEXT(16) DEFAULT '',
    CONSTRAINT [pk_resi] PRIMARY KEY ([id fattura])
);
CREATE INDEX [resi_numero] ON [resi] ([anno_fattura], [fattura_n]);

-- Return lines, tied to their header by "id fattura".
-- "id voce" is not unique here: the run does not empty the line tables, so a
-- second conversion adds the lines again under their old numbers.
CREATE TABLE [resi_voci] (
    [id voce] LONG NOT NULL,
    [id fattura] LONG,
    [codice] TEXT(20),
    [articolo] TEXT(100),
    [qtà] DOUBLE,
    [rifarticolo] TEXT(20),
    [codicedeposito] TEXT(10),
    [unità] TEXT(5) DEFAULT 'NR',
    [prezzo] CURRENCY DEFAULT 0
);
CREATE INDEX [resi_voci_voce] ON [resi_voci] ([id voce]);
CREATE INDEX [resi_voci_fattura] ON [resi_voci] ([id fattura]);
