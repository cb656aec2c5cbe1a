-- Demo version-6 archive: lookup tables.

INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('PZ', 'Pezzi');
INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('KG', 'Chilogrammi');
INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('MT', 'Metri lineari');
INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('MQ', 'Metri quadrati');
INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('LT', 'Litri');
INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('CF', 'Confezioni da 12');
INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('NR', NULL);

INSERT INTO [tatrasporto] ([descrizione], [commento]) VALUES ('Mittente', 'Trasporto a cura del mittente');
INSERT INTO [tatrasporto] ([descrizione], [commento]) VALUES ('Destinatario', 'Trasporto a cura del destinatario');
INSERT INTO [tatrasporto] ([descrizione], [commento]) VALUES ('Vettore', 'Consegna tramite vettore');

INSERT INTO [taporto] ([descrizione], [commento]) VALUES ('Franco', 'Spese di trasporto a nostro carico');
INSERT INTO [taporto] ([descrizione], [commento]) VALUES ('Assegnato', 'Spese a carico del cliente');
INSERT INTO [taporto] ([descrizione], [commento]) VALUES ('Franco con addebito', 'Addebito in fattura');

INSERT INTO [taaspetto] ([descrizione], [commento]) VALUES ('Scatola', NULL);
INSERT INTO [taaspetto] ([descrizione], [commento]) VALUES ('Bancale', 'Pallet EPAL 80x120');
INSERT INTO [taaspetto] ([descrizione], [commento]) VALUES ('Sfuso', '');
INSERT INTO [taaspetto] ([descrizione], [commento]) VALUES ('Cartone', 'Imballo in cartone ondulato');

INSERT INTO [taaliquote] ([descrizione], [commento]) VALUES ('20', 'Aliquota ordinaria 20%');
INSERT INTO [taaliquote] ([descrizione], [commento]) VALUES ('10', 'Aliquota ridotta 10%');
INSERT INTO [taaliquote] ([descrizione], [commento]) VALUES ('4', 'Aliquota minima 4%');
INSERT INTO [taaliquote] ([descrizione], [commento]) VALUES ('E15', 'Esente art. 15');
INSERT INTO [taaliquote] ([descrizione], [commento]) VALUES ('NI8', 'Non imponibile art. 8 (esportazioni)');

INSERT INTO [taamezzo] ([descrizione], [commento]) VALUES ('Corriere', 'Corriere espresso');
INSERT INTO [taamezzo] ([descrizione], [commento]) VALUES ('Posta', 'Pacco postale');
INSERT INTO [taamezzo] ([descrizione], [commento]) VALUES ('Ritiro', 'Ritiro in sede');

INSERT INTO [tasettmerc] ([codice], [descrizione]) VALUES ('001', 'Ferramenta');
INSERT INTO [tasettmerc] ([codice], [descrizione]) VALUES ('002', 'Utensileria elettrica');
INSERT INTO [tasettmerc] ([codice], [descrizione]) VALUES ('003', 'Idraulica e riscaldamento');
INSERT INTO [tasettmerc] ([codice], [descrizione]) VALUES ('010', 'Giardinaggio');

INSERT INTO [catagenti] ([codice], [descrizione]) VALUES ('MO', 'Monomandatario');
INSERT INTO [catagenti] ([codice], [descrizione]) VALUES ('PL', 'Plurimandatario');

INSERT INTO [catarticoli] ([codice], [descrizione]) VALUES ('01', 'Viti e bulloni');
INSERT INTO [catarticoli] ([codice], [descrizione]) VALUES ('02', 'Trapani e avvitatori');
INSERT INTO [catarticoli] ([codice], [descrizione]) VALUES ('03', 'Raccorderia');
INSERT INTO [catarticoli] ([codice], [descrizione]) VALUES ('04', 'Attrezzi da giardino');
INSERT INTO [catarticoli] ([codice], [descrizione]) VALUES ('05', NULL);

INSERT INTO [catclienti] ([codice], [descrizione]) VALUES ('DET', 'Dettaglio');
INSERT INTO [catclienti] ([codice], [descrizione]) VALUES ('ING', 'Ingrosso');
INSERT INTO [catclienti] ([codice], [descrizione]) VALUES ('PA', 'Pubblica amministrazione');

-- No supplier categories were ever set up in the demo archive.

INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('NO', 'Nord-ovest');
INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('NE', 'Nord-est');
INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('CE', 'Centro');
INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('SU', 'Sud e isole');
INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('EST', 'Estero');

INSERT INTO [tacurrencies] ([currency id], [standard conversion rate], [description]) VALUES ('EUR', 1, 'Euro');
INSERT INTO [tacurrencies] ([currency id], [standard conversion rate], [description]) VALUES ('ITL', 1936.27, 'Lira italiana');
INSERT INTO [tacurrencies] ([currency id], [standard conversion rate], [description]) VALUES ('USD', 1.2136, 'Dollaro USA');
INSERT INTO [tacurrencies] ([currency id], [standard conversion rate], [description]) VALUES ('CHF', 1.5429, 'Franco svizzero');

INSERT INTO [tadepositi] ([codice], [descrizione], [indirizzo], [localita], [stato], [pr], [cap], [telefono], [fax])
  VALUES ('DEP', 'Magazzino centrale', 'Via dell''Industria 14', 'Forlì', 'Italia', 'FC', '47121', '0543 712345', '0543 712346');
INSERT INTO [tadepositi] ([codice], [descrizione], [indirizzo], [localita], [stato], [pr], [cap], [telefono], [fax])
  VALUES ('SUD', 'Deposito di Cantù', 'Viale Unità d''Italia 3', 'Cantù', 'Italia', 'CO', '22063', '031 704411', NULL);

INSERT INTO [tabewww] ([nominativo], [www]) VALUES ('Camera di Commercio', 'http://www.registroimprese.it');
INSERT INTO [tabewww] ([nominativo], [www]) VALUES ('Agenzia delle Entrate', 'http://www.agenziaentrate.it');

INSERT INTO [tatipopag] ([codice], [descrizione], [rate], [scad1], [scad2], [scad3], [scad4], [scad5], [scad6],
  [scad7], [scad8], [scad9], [scad10], [scad11], [scad12], [finemese])
  VALUES ('RD', 'Rimessa diretta', 1, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, FALSE);
INSERT INTO [tatipopag] ([codice], [descrizione], [rate], [scad1], [scad2], [scad3], [scad4], [scad5], [scad6],
  [scad7], [scad8], [scad9], [scad10], [scad11], [scad12], [finemese])
  VALUES ('RB30', 'Ri.Ba. 30 gg. fine mese', 1, 30, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, TRUE);
INSERT INTO [tatipopag] ([codice], [descrizione], [rate], [scad1], [scad2], [scad3], [scad4], [scad5], [scad6],
  [scad7], [scad8], [scad9], [scad10], [scad11], [scad12], [finemese])
  VALUES ('RB369', 'Ri.Ba. 30/60/90 gg. fine mese', 3, 30, 60, 90, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, TRUE);
INSERT INTO [tatipopag] ([codice], [descrizione], [rate], [scad1], [scad2], [scad3], [scad4], [scad5], [scad6],
  [scad7], [scad8], [scad9], [scad10], [scad11], [scad12], [finemese])
  VALUES ('MENS', 'Dodici rate mensili', 12, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330, 360, FALSE);

INSERT INTO [tamodpag] ([codice], [descrizione]) VALUES ('RD', 'Rimessa diretta');
INSERT INTO [tamodpag] ([codice], [descrizione]) VALUES ('RB', 'Ricevuta bancaria');
INSERT INTO [tamodpag] ([codice], [descrizione]) VALUES ('BB', 'Bonifico bancario');
INSERT INTO [tamodpag] ([codice], [descrizione]) VALUES ('CO', 'Contrassegno');
INSERT INTO [tamodpag] ([codice], [descrizione]) VALUES (NULL, 'Assegno circolare');

INSERT INTO [tabanche] ([descrizione], [abi], [cab]) VALUES ('Cassa di Risparmio di Forlì', '06010', '13200');
INSERT INTO [tabanche] ([descrizione], [abi], [cab]) VALUES ('Banca Popolare dell''Emilia Romagna', '05387', '13201');
INSERT INTO [tabanche] ([descrizione], [abi], [cab]) VALUES ('Credito Cooperativo Romagnolo', '08542', NULL);
