-- Version 6: the small lookup tables.

-- Description-and-comment tables.
CREATE TABLE [taunita] ([id] COUNTER, [descrizione] TEXT(10), [commento] TEXT(50),
  CONSTRAINT [pk_taunita] PRIMARY KEY ([id]));
CREATE TABLE [tatrasporto] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_tatrasporto] PRIMARY KEY ([id]));
CREATE TABLE [taporto] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_taporto] PRIMARY KEY ([id]));
CREATE TABLE [taaspetto] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_taaspetto] PRIMARY KEY ([id]));
CREATE TABLE [taaliquote] ([id] COUNTER, [descrizione] TEXT(10), [commento] TEXT(50),
  CONSTRAINT [pk_taaliquote] PRIMARY KEY ([id]));
CREATE TABLE [taamezzo] ([id] COUNTER, [descrizione] TEXT(30), [commento] TEXT(50),
  CONSTRAINT [pk_taamezzo] PRIMARY KEY ([id]));

-- Code-and-description tables.
CREATE TABLE [tasettmerc] ([codice] TEXT(5), [descrizione] TEXT(50));
CREATE UNIQUE INDEX [ix_tasettmerc_codice] ON [tasettmerc] ([codice]);
CREATE TABLE [catagenti] ([codice] TEXT(5), [descrizione] TEXT(50));
CREATE UNIQUE INDEX [ix_catagenti_codice] ON [catagenti] ([codice]);
CREATE TABLE [catarticoli] ([codice] TEXT(5), [descrizione] TEXT(50));
CREATE UNIQUE INDEX [ix_catarticoli_codice] ON [catarticoli] ([codice]);
CREATE TABLE [catclienti] ([codice] TEXT(5), [descrizione] TEXT(50));
CREATE UNIQUE INDEX [ix_catclienti_codice] ON [catclienti] ([codice]);
CREATE TABLE [catfornitori] ([codice] TEXT(5), [descrizione] TEXT(50));
CREATE UNIQUE INDEX [ix_catfornitori_codice] ON [catfornitori] ([codice]);
CREATE TABLE [tazone] ([codice] TEXT(5), [descrizione] TEXT(50));
CREATE UNIQUE INDEX [ix_tazone_codice] ON [tazone] ([codice]);

-- Tables with fields of their own.
CREATE TABLE [tacurrencies] ([currency id] TEXT(3), [standard conversion rate] DOUBLE, [description] TEXT(50));
CREATE UNIQUE INDEX [ix_tacurrencies_id] ON [tacurrencies] ([currency id]);
CREATE TABLE [tadepositi] ([codice] TEXT(5), [descrizione] TEXT(50), [indirizzo] TEXT(50), [localita] TEXT(40),
  [stato] TEXT(30), [pr] TEXT(2), [cap] TEXT(5), [telefono] TEXT(20), [fax] TEXT(20));
CREATE UNIQUE INDEX [ix_tadepositi_codice] ON [tadepositi] ([codice]);
CREATE TABLE [tabewww] ([id] COUNTER, [nominativo] TEXT(50), [www] TEXT(100),
  CONSTRAINT [pk_tabewww] PRIMARY KEY ([id]));
CREATE TABLE [tatipopag] ([codice] TEXT(5), [descrizione] TEXT(50), [rate] BYTE,
  [scad1] INTEGER, [scad2] INTEGER, [scad3] INTEGER, [scad4] INTEGER, [scad5] INTEGER, [scad6] INTEGER,
  [scad7] INTEGER, [scad8] INTEGER, [scad9] INTEGER, [scad10] INTEGER, [scad11] INTEGER, [scad12] INTEGER,
  [finemese] YESNO);
CREATE UNIQUE INDEX [ix_tatipopag_codice] ON [tatipopag] ([codice]);
CREATE TABLE [tamodpag] ([codice] TEXT(5), [descrizione] TEXT(50));
CREATE TABLE [tabanche] ([id] COUNTER, [descrizione] TEXT(50), [abi] TEXT(5), [cab] TEXT(5),
  CONSTRAINT [pk_tabanche] PRIMARY KEY ([id]));
