-- Version 7: the release table and the configuration.

CREATE TABLE [versione] ([numero] TEXT(30), [data] TEXT(50));

-- One row: the last numbers given to each kind of document, and settings.
-- NC is a text in version 7 (the conversion writes "0").
CREATE TABLE [configurazione] ([id] COUNTER,
  [FTV] LONG DEFAULT 0, [FTPF] LONG DEFAULT 0, [FTNC] LONG DEFAULT 0, [NC] TEXT(10), [FTND] LONG DEFAULT 0,
  [PR] LONG DEFAULT 0, [OV] LONG DEFAULT 0, [OA] LONG DEFAULT 0, [RC] LONG DEFAULT 0, [DT] LONG DEFAULT 0,
  [MM] LONG DEFAULT 0, [anno] INTEGER, [percorsostampe] TEXT(255), [ultimoaggiornamento] DATETIME,
  CONSTRAINT [pk_configurazione] PRIMARY KEY ([id]));
