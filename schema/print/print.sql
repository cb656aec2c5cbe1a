-- The print database: for each of the six document kinds a header table and
-- a line table, flat copies of a document ready for printing. Whatever
-- columns a table has become the report's variables (headers) and fields
-- (lines). The first column of a header is the document's number of its
-- own; the second column of a line names the document it belongs to.

CREATE TABLE [FATTURAV] (
  [id fattura] LONG NOT NULL,
  [fattura_n] LONG,
  [anno_fattura] TEXT(4),
  [data_fattura] DATETIME,
  [nominativo] TEXT(60),
  [indirizzo] TEXT(60),
  [cap] TEXT(5),
  [citta] TEXT(60),
  [pr] TEXT(2),
  [piva] TEXT(20),
  [codfis] TEXT(16),
  [tipopag] TEXT(30),
  [banca] TEXT(60),
  [iban] TEXT(34),
  [esenteiva] YESNO,
  [timponibile] CURRENCY,
  [timposta] CURRENCY,
  [tfattura] CURRENCY,
  [camponote] MEMO,
  CONSTRAINT [FATTURAV_pk] PRIMARY KEY ([id fattura])
);

CREATE TABLE [FATTURAV_VOCI] (
  [id voce] LONG NOT NULL,
  [id fattura] LONG NOT NULL,
  [codice] TEXT(20),
  [articolo] TEXT(100),
  [unità] TEXT(5),
  [qtà] DOUBLE,
  [prezzo] CURRENCY,
  [sconto] DOUBLE,
  [iva] TEXT(10),
  [importo] CURRENCY,
  CONSTRAINT [FATTURAV_VOCI_pk] PRIMARY KEY ([id voce])
);

CREATE INDEX [FATTURAV_VOCI_fattura] ON [FATTURAV_VOCI] ([id fattura]);

CREATE TABLE [NOTACREDITO] (
  [id nota] LONG NOT NULL,
  [nota_n] LONG,
  [anno_nota] TEXT(4),
  [data_nota] DATETIME,
  [nominativo] TEXT(60),
  [indirizzo] TEXT(60),
  [cap] TEXT(5),
  [citta] TEXT(60),
  [pr] TEXT(2),
  [piva] TEXT(20),
  [codfis] TEXT(16),
  [riffattura] TEXT(30),
  [causale] TEXT(60),
  [timponibile] CURRENCY,
  [timposta] CURRENCY,
  [tnota] CURRENCY,
  [camponote] MEMO,
  CONSTRAINT [NOTACREDITO_pk] PRIMARY KEY ([id nota])
);

CREATE TABLE [NOTACREDITO_VOCI] (
  [id voce] LONG NOT NULL,
  [id nota] LONG NOT NULL,
  [codice] TEXT(20),
  [articolo] TEXT(100),
  [unità] TEXT(5),
  [qtà] DOUBLE,
  [prezzo] CURRENCY,
  [iva] TEXT(10),
  [importo] CURRENCY,
  CONSTRAINT [NOTACREDITO_VOCI_pk] PRIMARY KEY ([id voce])
);

CREATE INDEX [NOTACREDITO_VOCI_nota] ON [NOTACREDITO_VOCI] ([id nota]);

CREATE TABLE [DDT] (
  [id ddt] LONG NOT NULL,
  [ddt_n] LONG,
  [anno_ddt] TEXT(4),
  [data_ddt] DATETIME,
  [nominativo] TEXT(60),
  [indirizzo] TEXT(60),
  [cap] TEXT(5),
  [citta] TEXT(60),
  [pr] TEXT(2),
  [piva] TEXT(20),
  [destina2] TEXT(60),
  [indirizzo2] TEXT(60),
  [citta2] TEXT(60),
  [cautra] TEXT(50),
  [aspetto] TEXT(50),
  [porto] TEXT(50),
  [vettore] TEXT(50),
  [colli] INTEGER,
  [peso] DOUBLE,
  [data_trasporto] DATETIME,
  [fatturato] YESNO,
  CONSTRAINT [DDT_pk] PRIMARY KEY ([id ddt])
);

CREATE TABLE [DDT_VOCI] (
  [id voce] LONG NOT NULL,
  [id ddt] LONG NOT NULL,
  [codice] TEXT(20),
  [articolo] TEXT(100),
  [unità] TEXT(5),
  [qtà] DOUBLE,
  [lotto] TEXT(20),
  CONSTRAINT [DDT_VOCI_pk] PRIMARY KEY ([id voce])
);

CREATE INDEX [DDT_VOCI_ddt] ON [DDT_VOCI] ([id ddt]);

CREATE TABLE [PREVENTIVO] (
  [id preventivo] LONG NOT NULL,
  [preventivo_n] LONG,
  [data_preventivo] DATETIME,
  [nominativo] TEXT(60),
  [indirizzo] TEXT(60),
  [cap] TEXT(5),
  [citta] TEXT(60),
  [pr] TEXT(2),
  [piva] TEXT(20),
  [tipopag] TEXT(30),
  [giornivalidita] INTEGER,
  [timponibile] CURRENCY,
  [timposta] CURRENCY,
  [tpreventivo] CURRENCY,
  [camponote] MEMO,
  CONSTRAINT [PREVENTIVO_pk] PRIMARY KEY ([id preventivo])
);

CREATE TABLE [PREVENTIVO_VOCI] (
  [id voce] LONG NOT NULL,
  [id preventivo] LONG NOT NULL,
  [codice] TEXT(20),
  [articolo] TEXT(100),
  [unità] TEXT(5),
  [qtà] DOUBLE,
  [prezzo] CURRENCY,
  [sconto] DOUBLE,
  [iva] TEXT(10),
  [importo] CURRENCY,
  CONSTRAINT [PREVENTIVO_VOCI_pk] PRIMARY KEY ([id voce])
);

CREATE INDEX [PREVENTIVO_VOCI_preventivo] ON [PREVENTIVO_VOCI] ([id preventivo]);

CREATE TABLE [ORDIFOR] (
  [id ordine] LONG NOT NULL,
  [ordine_n] LONG,
  [data_ordine] DATETIME,
  [fornitore] TEXT(60),
  [indirizzo] TEXT(60),
  [cap] TEXT(5),
  [citta] TEXT(60),
  [pr] TEXT(2),
  [piva] TEXT(20),
  [tipopag] TEXT(30),
  [data_consegna] DATETIME,
  [resa] TEXT(50),
  [tordine] CURRENCY,
  [camponote] MEMO,
  CONSTRAINT [ORDIFOR_pk] PRIMARY KEY ([id ordine])
);

CREATE TABLE [ORDIFOR_VOCI] (
  [id voce] LONG NOT NULL,
  [id ordine] LONG NOT NULL,
  [codice] TEXT(20),
  [codforn] TEXT(20),
  [articolo] TEXT(100),
  [unità] TEXT(5),
  [qtà] DOUBLE,
  [prezzo] CURRENCY,
  [importo] CURRENCY,
  [consegna] DATETIME,
  CONSTRAINT [ORDIFOR_VOCI_pk] PRIMARY KEY ([id voce])
);

CREATE INDEX [ORDIFOR_VOCI_ordine] ON [ORDIFOR_VOCI] ([id ordine]);

CREATE TABLE [ORDICLI] (
  [id ordine] LONG NOT NULL,
  [ordine_n] LONG,
  [data_ordine] DATETIME,
  [nominativo] TEXT(60),
  [indirizzo] TEXT(60),
  [cap] TEXT(5),
  [citta] TEXT(60),
  [pr] TEXT(2),
  [piva] TEXT(20),
  [tipopag] TEXT(30),
  [agente] TEXT(50),
  [data_consegna] DATETIME,
  [evaso] YESNO,
  [tordine] CURRENCY,
  [camponote] MEMO,
  CONSTRAINT [ORDICLI_pk] PRIMARY KEY ([id ordine])
);

CREATE TABLE [ORDICLI_VOCI] (
  [id voce] LONG NOT NULL,
  [id ordine] LONG NOT NULL,
  [codice] TEXT(20),
  [articolo] TEXT(100),
  [unità] TEXT(5),
  [qtà] DOUBLE,
  [prezzo] CURRENCY,
  [sconto] DOUBLE,
  [importo] CURRENCY,
  [evasa] YESNO,
  CONSTRAINT [ORDICLI_VOCI_pk] PRIMARY KEY ([id voce])
);

CREATE INDEX [ORDICLI_VOCI_ordine] ON [ORDICLI_VOCI] ([id ordine]);
