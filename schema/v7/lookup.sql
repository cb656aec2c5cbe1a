-- Version 7: the small lookup tables.

-- Description-and-comment tables: a description names one entry only.
CREATE TABLE [taunita] ([id] COUNTER, [descrizione] TEXT(10), [commento] TEXT(50),
  CONSTRAINT [pk_taunita] PRIMARY KEY ([id]));
CREATE UNIQUE INDEX [ix_taunita_descrizione] ON [taunita] ([descrizione]);
CREATE TABLE [tatrasporto] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_tatrasporto] PRIMARY KEY ([id]));
CREATE UNIQUE INDEX [ix_tatrasporto_descrizione] ON [tatrasporto] ([descrizione]);
CREATE TABLE [taporto] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_taporto] PRIMARY KEY ([id]));
CREATE UNIQUE INDEX [ix_taporto_descrizione] ON [taporto] ([descrizione]);
CREATE TABLE [taaspetto] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_taaspetto] PRIMARY KEY ([id]));
CREATE UNIQUE INDEX [ix_taaspetto_descrizione] ON [taaspetto] ([descrizione]);
CREATE TABLE [taaliquote] ([id] COUNTER, [descrizione] TEXT(10), [commento] TEXT(50),
  [percentuale] DOUBLE DEFAULT 0, [esente] YESNO DEFAULT FALSE,
  CONSTRAINT [pk_taaliquote] PRIMARY KEY ([id]));
CREATE UNIQUE INDEX [ix_taaliquote_descrizione] ON [taaliquote] ([descrizione]);
CREATE TABLE [taamezzo] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_taamezzo] PRIMARY KEY ([id]));
CREATE UNIQUE INDEX [ix_taamezzo_descrizione] ON [taamezzo] ([descrizione]);

-- Code-and-description tables: the code is the key.
CREATE TABLE [tasettmerc] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50),
  CONSTRAINT [pk_tasettmerc] PRIMARY KEY ([codice]));
CREATE TABLE [catagenti] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50),
  CONSTRAINT [pk_catagenti] PRIMARY KEY ([codice]));
CREATE TABLE [catarticoli] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50),
  CONSTRAINT [pk_catarticoli] PRIMARY KEY ([codice]));
CREATE TABLE [catclienti] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50),
  CONSTRAINT [pk_catclienti] PRIMARY KEY ([codice]));
CREATE TABLE [catfornitori] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50),
  CONSTRAINT [pk_catfornitori] PRIMARY KEY ([codice]));
CREATE TABLE [tazone] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50),
  CONSTRAINT [pk_tazone] PRIMARY KEY ([codice]));

-- Tables with fields of their own.
CREATE TABLE [tacurrencies] ([currency id] TEXT(3) NOT NULL, [standard conversion rate] DOUBLE,
  [description] TEXT(50), CONSTRAINT [pk_tacurrencies] PRIMARY KEY ([currency id]));
CREATE TABLE [tadepositi] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50), [indirizzo] TEXT(50),
  [localita] TEXT(40), [stato] TEXT(30), [pr] TEXT(2), [cap] TEXT(5), [telefono] TEXT(20), [fax] TEXT(20),
  [email] TEXT(100), CONSTRAINT [pk_tadepositi] PRIMARY KEY ([codice]));
CREATE TABLE [tabewww] ([id] LONG NOT NULL, [nominativo] TEXT(50), [www] TEXT(100),
  CONSTRAINT [pk_tabewww] PRIMARY KEY ([id]));
CREATE TABLE [tatipopag] ([codice] TEXT(5) NOT NULL, [descrizione] TEXT(50), [rate] BYTE,
  [scad1] INTEGER, [scad2] INTEGER, [scad3] INTEGER, [scad4] INTEGER, [scad5] INTEGER, [scad6] INTEGER,
  [scad7] INTEGER, [scad8] INTEGER, [scad9] INTEGER, [scad10] INTEGER, [scad11] INTEGER, [scad12] INTEGER,
  [finemese] YESNO DEFAULT FALSE, CONSTRAINT [pk_tatipopag] PRIMARY KEY ([codice]));
CREATE TABLE [tamodpag] ([codice] TEXT(10) NOT NULL, [descrizione] TEXT(50),
  CONSTRAINT [pk_tamodpag] PRIMARY KEY ([codice]));
CREATE TABLE [tabanche] ([id] COUNTER, [descrizione] TEXT(50), [abi] TEXT(5), [cab] TEXT(5),
  CONSTRAINT [pk_tabanche] PRIMARY KEY ([id]));
-- ABI and CAB name one branch.
CREATE UNIQUE INDEX [ix_tabanche_abicab] ON [tabanche] ([abi], [cab]);
