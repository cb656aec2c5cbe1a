-- Version 6: the release table and the configuration.

CREATE TABLE [versione] ([numero] TEXT(30), [data] TEXT(50));

-- Last numbers given to each kind of document, and a few settings.
CREATE TABLE [configurazione] ([id] COUNTER,
  [FTV] LONG, [FTPF] LONG, [FTNC] LONG, [NC] LONG, [FTND] LONG, [PR] LONG, [OV] LONG, [OA] LONG,
  [RC] LONG, [DT] LONG, [MM] LONG, [anno] INTEGER, [percorsostampe] TEXT(255),
  CONSTRAINT [pk_configurazione] PRIMARY KEY ([id]));
