-- A new version-7 database: its release and its one configuration row.
INSERT INTO [versione] ([numero], [data]) VALUES ('VERSIONE 7.0.1', 'DEL 10 GENNAIO 2005');
INSERT INTO [configurazione] ([FTV], [FTPF], [FTNC], [NC], [FTND], [PR], [OV], [OA], [RC], [DT], [MM], [anno],
  [percorsostampe], [ultimoaggiornamento])
  VALUES (0, 0, 0, '0', 0, 0, 0, 0, 0, 0, 0, 2005, NULL, #2005-01-10#);
