-- Demo version-6 archive: its release and configuration.
INSERT INTO [versione] ([numero], [data]) VALUES ('VERSIONE 6.0.13', 'DEL 17 SETTEMBRE 2004');
INSERT INTO [configurazione] ([FTV], [FTPF], [FTNC], [NC], [FTND], [PR], [OV], [OA], [RC], [DT], [MM], [anno],
  [percorsostampe])
  VALUES (148, 12, 3, 7, NULL, 41, 86, 59, 0, 212, 1034, 2004, 'C:\Vantorima6\Stampe');
