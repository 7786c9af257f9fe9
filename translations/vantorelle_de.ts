<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BiasStart</name>
    <message>
        <source>Set Parameters For Randomly Choosing Initial Thresholds Or Biases</source>
        <translation>Bereich für zufällige Startschwellen (Bias) festlegen</translation>
    </message>
    <message>
        <source>Use The Controls Below To Control The Range Of Numbers From Which Thresholds Or Biases Will Be Randomly Selected</source>
        <translation>Legen Sie mit den Reglern unten fest, aus welchem Zahlenbereich die Schwellen (Bias-Werte) zufällig gewählt werden</translation>
    </message>
    <message>
        <source>Set The Maximum (Absolute) Value Of A Random Starting Threshold Or Bias</source>
        <translation>Größter (absoluter) Wert einer zufälligen Startschwelle</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Set The Minimum (Absolute) Value Of A Random Starting Threshold Or Bias</source>
        <translation>Kleinster (absoluter) Wert einer zufälligen Startschwelle</translation>
    </message>
    <message>
        <source>Threshold/Bias Sign Selector</source>
        <translation>Vorzeichen der Schwellen</translation>
    </message>
    <message>
        <source>Positive And Negative Biases</source>
        <translation>Positive und negative Schwellen</translation>
    </message>
    <message>
        <source>Only Positive Biases</source>
        <translation>Nur positive Schwellen</translation>
    </message>
    <message>
        <source>Only Negative Biases</source>
        <translation>Nur negative Schwellen</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Diese Werte verwenden</translation>
    </message>
    <message>
        <source>Use Default Settings</source>
        <translation>Standardwerte verwenden</translation>
    </message>
</context>
<context>
    <name>CompareRuns</name>
    <message>
        <source>Compare Kept Runs</source>
        <translation>Behaltene Läufe vergleichen</translation>
    </message>
    <message>
        <source>Page title</source>
        <translation>Seitentitel</translation>
    </message>
    <message>
        <source>&amp;Runs kept this sitting: tick two or more to compare them; double-click a name to rename it.</source>
        <translation>&amp;Läufe dieser Sitzung: zwei oder mehr zum Vergleich anhaken; Doppelklick auf einen Namen benennt um.</translation>
    </message>
    <message>
        <source>Runs kept this sitting</source>
        <translation>In dieser Sitzung behaltene Läufe</translation>
    </message>
    <message>
        <source>&amp;Save As Network File...</source>
        <translation>Als Netzwerkdatei &amp;speichern...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The chosen runs compared</source>
        <translation>Die gewählten Läufe im Vergleich</translation>
    </message>
</context>
<context>
    <name>ConfusionTables</name>
    <message>
        <source>Confusion Tables And Accuracy</source>
        <translation>Konfusionstabellen und Genauigkeit</translation>
    </message>
    <message>
        <source>Page title</source>
        <translation>Seitentitel</translation>
    </message>
    <message>
        <source>Each output unit&apos;s hits and misses and, when every pattern wants exactly one unit on, which class the network answered (the unit with the highest activation) against the class wanted: for the file the network trained on and for the file it was last tested on.</source>
        <translation>Treffer und Fehltreffer jeder Ausgabeeinheit und, wenn jedes Muster genau eine Einheit eingeschaltet haben will, welche Klasse das Netz geantwortet hat (die Einheit mit der höchsten Aktivierung) gegenüber der gewünschten Klasse: für die Datei, auf der das Netz trainiert wurde, und für die Datei, mit der es zuletzt getestet wurde.</translation>
    </message>
    <message>
        <source>Confusion tables</source>
        <translation>Konfusionstabellen</translation>
    </message>
    <message>
        <source>&amp;Write these tables into the text report and the workbook</source>
        <translation>Diese Tabellen in den Textbericht und die Arbeitsmappe &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Epochs: %1</source>
        <translation>Epochen: %1</translation>
    </message>
    <message>
        <source>Total SSE: %1</source>
        <translation>Gesamt-SSE: %1</translation>
    </message>
    <message>
        <source>Change in SSE: %1</source>
        <translation>Änderung der SSE: %1</translation>
    </message>
    <message>
        <source>Hits: %1</source>
        <translation>Treffer: %1</translation>
    </message>
    <message>
        <source>Misses: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Training: %1</source>
        <translation>Trainingsdatei: %1</translation>
    </message>
    <message>
        <source>Maximum Epochs</source>
        <translation>Maximale Epochen</translation>
    </message>
    <message>
        <source>Maximum number of training epochs must be greater than zero.</source>
        <translation>Die maximale Zahl der Trainingsepochen muss größer als null sein.</translation>
    </message>
    <message>
        <source>No stopping method set</source>
        <translation>Keine Abbruchbedingung gewählt</translation>
    </message>
    <message>
        <source>At least one box for method of ending training must be checked.</source>
        <translation>Mindestens ein Kästchen für das Ende des Trainings muss angekreuzt sein.</translation>
    </message>
    <message>
        <source>Learning Rate</source>
        <translation>Lernrate</translation>
    </message>
    <message>
        <source>Learning rate cannot be negative</source>
        <translation>Die Lernrate darf nicht negativ sein</translation>
    </message>
    <message>
        <source>Display Interval</source>
        <translation>Anzeigeabstand</translation>
    </message>
    <message>
        <source>The number of epochs between progress displays must be at least one.</source>
        <translation>Die Zahl der Epochen zwischen zwei Anzeigen muss mindestens eins sein.</translation>
    </message>
    <message>
        <source>Type mismatch: the %1 box holds &quot;%2&quot;, which is not a number.</source>
        <translation>Typfehler: Im Feld „%1“ steht „%2“, und das ist keine Zahl.</translation>
    </message>
    <message>
        <source>Overflow: the number in the %1 box is too large.</source>
        <translation>Überlauf: Die Zahl im Feld „%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>maximum epochs</source>
        <translation>Maximale Epochen</translation>
    </message>
    <message>
        <source>learning rate</source>
        <translation>Lernrate</translation>
    </message>
    <message>
        <source>epochs between displays</source>
        <translation>Epochen zwischen Anzeigen</translation>
    </message>
    <message>
        <source>minimum error</source>
        <translation>Mindestfehler</translation>
    </message>
    <message>
        <source>This version of the code has encountered an error%1.</source>
        <translation>In dieser Version des Programms ist ein Fehler%1 aufgetreten.</translation>
    </message>
    <message>
        <source>with excel</source>
        <translation>bei Excel</translation>
    </message>
    <message>
        <source>It would be helpful if you could report this error to %1</source>
        <translation>Es hilft uns, wenn Sie diesen Fehler an %1 melden.</translation>
    </message>
    <message>
        <source>Please include the following error message as well as</source>
        <translation>Bitte schicken Sie die folgende Fehlermeldung mit und schreiben Sie dazu,</translation>
    </message>
    <message>
        <source>where the error occured and what version of windows you are using:</source>
        <translation>wo der Fehler auftrat und welches Betriebssystem Sie benutzen:</translation>
    </message>
    <message>
        <source>Overflow error:</source>
        <translation>Überlauffehler:</translation>
    </message>
    <message>
        <source>An overflow error has occured.</source>
        <translation>Eine Zahl ist zu groß geworden (Überlauf).</translation>
    </message>
    <message>
        <source>Please consider decreasing the learning rate and trying again.</source>
        <translation>Bitte verkleinern Sie die Lernrate und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Out of memory error:</source>
        <translation>Speicher voll:</translation>
    </message>
    <message>
        <source>Please try closing some applications and retrying.</source>
        <translation>Bitte schließen Sie einige Programme und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Training stopped after epoch %1:</source>
        <translation>Das Training wurde nach Epoche %1 angehalten:</translation>
    </message>
    <message>
        <source>A weight, a threshold or the total error is no longer a finite number.</source>
        <translation>Ein Gewicht, ein Schwellenwert oder der Gesamtfehler ist keine endliche Zahl mehr.</translation>
    </message>
    <message>
        <source>The network&apos;s units and weights do not match the patterns of the training file.</source>
        <translation>Die Einheiten und Gewichte des Netzes passen nicht zu den Mustern der Trainingsdatei.</translation>
    </message>
    <message>
        <source>Please read the training file again from the first page.</source>
        <translation>Bitte lesen Sie die Trainingsdatei auf der ersten Seite noch einmal ein.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>Speicher voll</translation>
    </message>
    <message>
        <source>the network&apos;s units and weights do not match its patterns</source>
        <translation>Die Einheiten und Gewichte des Netzes passen nicht zu seinen Mustern</translation>
    </message>
    <message>
        <source>Minimum cannot be less than 0.  (It is an absolute value.)</source>
        <translation>Das Minimum darf nicht kleiner als 0 sein.  (Es ist ein Betrag.)</translation>
    </message>
    <message>
        <source>The minimum weight cannot be greater than the maximum weight.</source>
        <translation>Das minimale Gewicht darf nicht größer als das maximale Gewicht sein.</translation>
    </message>
    <message>
        <source>The range has been set back to its default: minimum %1, maximum %2.</source>
        <translation>Der Bereich wurde auf den Standard zurückgesetzt: Minimum %1, Maximum %2.</translation>
    </message>
    <message>
        <source>The entry for minimum bias cannot be less than zero.  (It is an absolute value)</source>
        <translation>Der minimale Schwellenwert darf nicht kleiner als null sein.  (Er ist ein Betrag.)</translation>
    </message>
    <message>
        <source>The minimum threshold start cannot be greater than the maximum threshold start.</source>
        <translation>Der minimale Startwert des Schwellenwerts darf nicht größer als der maximale sein.</translation>
    </message>
    <message>
        <source>Both have been set back to %1.</source>
        <translation>Beide wurden auf %1 zurückgesetzt.</translation>
    </message>
    <message>
        <source>The training file &quot;%1&quot;</source>
        <translation>Die Trainingsdatei „%1“</translation>
    </message>
    <message>
        <source>The test file &quot;%1&quot;</source>
        <translation>Die Testdatei „%1“</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is a folder.</source>
        <translation>%1 kann nicht geöffnet werden: Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not an ordinary file.</source>
        <translation>%1 kann nicht geöffnet werden: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: unknown error.</source>
        <translation>%1 kann nicht geöffnet werden: unbekannter Fehler.</translation>
    </message>
    <message>
        <source>value %1 (line %2, column %3)</source>
        <translation>Wert %1 (Zeile %2, Spalte %3)</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is too long to be a number.</source>
        <translation>%1, „%2“, ist zu lang für eine Zahl.</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is not a number.</source>
        <translation>%1, „%2“, ist keine Zahl.</translation>
    </message>
    <message>
        <source>the file ends before %1.</source>
        <translation>Die Datei endet zu früh. Es fehlt noch: %1.</translation>
    </message>
    <message>
        <source>the number of outputs</source>
        <translation>die Anzahl der Ausgaben</translation>
    </message>
    <message>
        <source>the second header value</source>
        <translation>der zweite Wert der Kopfzeile</translation>
    </message>
    <message>
        <source>the number of inputs</source>
        <translation>die Anzahl der Eingaben</translation>
    </message>
    <message>
        <source>the number of patterns</source>
        <translation>die Anzahl der Muster</translation>
    </message>
    <message>
        <source>all input values are read</source>
        <translation>ein Teil der Eingabewerte</translation>
    </message>
    <message>
        <source>all desired outputs are read</source>
        <translation>ein Teil der gewünschten Ausgaben</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not %2.</source>
        <translation>%1 muss eine ganze Zahl sein, nicht %2.</translation>
    </message>
    <message>
        <source>%1 must be from 1 to %2, not %3.</source>
        <translation>%1 muss zwischen 1 und %2 liegen, nicht %3.</translation>
    </message>
    <message>
        <source>%1 outputs times %2 patterns make %3 responses; at most %4 are allowed.</source>
        <translation>%1 Ausgaben mal %2 Muster ergeben %3 Antworten; erlaubt sind höchstens %4.</translation>
    </message>
    <message>
        <source>%1 patterns of %2 inputs would need more memory than this program allows.</source>
        <translation>%1 Muster mit je %2 Eingaben bräuchten mehr Speicher, als dieses Programm erlaubt.</translation>
    </message>
    <message>
        <source>the file ends before all %1 pattern values; it is only %2 bytes long.</source>
        <translation>Die Datei endet vor allen %1 Musterwerten; sie ist nur %2 Byte lang.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; %2.</source>
        <translation>Die Datei „%1“ %2.</translation>
    </message>
    <message>
        <source>has more values than its header asks for; the rest are ignored (numbers take a &quot;.&quot; decimal point)</source>
        <translation>hat mehr Werte, als ihre Kopfzeile verlangt; der Rest wird nicht beachtet (Zahlen schreiben Sie mit Dezimalpunkt „.“)</translation>
    </message>
    <message>
        <source>has %1 empty field (&quot;,,&quot;), read as no value at all</source>
        <translation>hat %1 leeres Feld („,,“), das als kein Wert gelesen wird</translation>
    </message>
    <message>
        <source>has %1 empty fields (&quot;,,&quot;), read as no value at all</source>
        <translation>hat %1 leere Felder („,,“), die als kein Wert gelesen werden</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot;</source>
        <translation>Die CSV-Datei „%1“</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die CSV-Datei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; cannot be opened: unknown error.</source>
        <translation>Die CSV-Datei „%1“ kann nicht geöffnet werden: unbekannter Fehler.</translation>
    </message>
    <message>
        <source>no input columns are chosen.</source>
        <translation>Es sind keine Eingabespalten gewählt.</translation>
    </message>
    <message>
        <source>no output columns and no class column are chosen.</source>
        <translation>Es sind weder Ausgabespalten noch eine Klassenspalte gewählt.</translation>
    </message>
    <message>
        <source>column %1 does not exist; columns are numbered from 1.</source>
        <translation>Spalte %1 gibt es nicht; die Spalten werden ab 1 gezählt.</translation>
    </message>
    <message>
        <source>column %1 is chosen twice.</source>
        <translation>Spalte %1 ist zweimal gewählt.</translation>
    </message>
    <message>
        <source>column %1 is chosen, but row %2 has only %3 column.</source>
        <translation>Spalte %1 ist gewählt, aber Zeile %2 hat nur %3 Spalte.</translation>
    </message>
    <message>
        <source>column %1 is chosen, but row %2 has only %3 columns.</source>
        <translation>Spalte %1 ist gewählt, aber Zeile %2 hat nur %3 Spalten.</translation>
    </message>
    <message>
        <source>row %1 has %2 column, but row %3 has %4.</source>
        <translation>Zeile %1 hat %2 Spalte, aber Zeile %3 hat %4.</translation>
    </message>
    <message>
        <source>row %1 has %2 columns, but row %3 has %4.</source>
        <translation>Zeile %1 hat %2 Spalten, aber Zeile %3 hat %4.</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is not a number with a decimal comma; it has a decimal point, but decimal commas were chosen.</source>
        <translation>%1, „%2“, ist keine Zahl mit Dezimalkomma; sie hat einen Dezimalpunkt, gewählt ist aber das Dezimalkomma.</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is not a number with a decimal point; it has a decimal comma, but decimal points were chosen.</source>
        <translation>%1, „%2“, ist keine Zahl mit Dezimalpunkt; sie hat ein Dezimalkomma, gewählt ist aber der Dezimalpunkt.</translation>
    </message>
    <message>
        <source>row %1 holds a cell longer than %2 bytes.</source>
        <translation>Zeile %1 hat eine Zelle, die länger als %2 Byte ist.</translation>
    </message>
    <message>
        <source>row %1 has a quote (&quot;) inside a cell that does not begin with one, or after a quoted cell&apos;s end.</source>
        <translation>Zeile %1 hat ein Anführungszeichen (&quot;) in einer Zelle, die nicht mit einem beginnt, oder nach dem Ende einer Zelle in Anführungszeichen.</translation>
    </message>
    <message>
        <source>Row %1 has a quote (&quot;) inside a cell that does not begin with one, or after a quoted cell&apos;s end.</source>
        <translation>Zeile %1 hat ein Anführungszeichen (&quot;) in einer Zelle, die nicht mit einem beginnt, oder nach dem Ende einer Zelle in Anführungszeichen.</translation>
    </message>
    <message>
        <source>the file ends inside a quoted cell (a quote that is never closed).</source>
        <translation>Die Datei endet in einer Zelle mit Anführungszeichen (ein Anführungszeichen wird nie geschlossen).</translation>
    </message>
    <message>
        <source>it holds only a header row.</source>
        <translation>Sie enthält nur eine Kopfzeile.</translation>
    </message>
    <message>
        <source>it holds no rows.</source>
        <translation>Sie enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>The %1 set cannot be made: %2</source>
        <translation>Die Menge „%1“ kann nicht erzeugt werden: %2</translation>
    </message>
    <message>
        <source>The table cannot be saved as a training file: %1</source>
        <translation>Die Tabelle kann nicht als Trainingsdatei gespeichert werden: %1</translation>
    </message>
    <message>
        <source>the number of inputs must be from 1 to %1.</source>
        <translation>Die Anzahl der Eingaben muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>the number of classes must be from 2 to 26.</source>
        <translation>Die Anzahl der Klassen muss zwischen 2 und 26 liegen.</translation>
    </message>
    <message>
        <source>the number of points per class must be from 1 to %1.</source>
        <translation>Die Anzahl der Punkte je Klasse muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>the spread must be above 0 and at most 10.</source>
        <translation>Die Streuung muss größer als 0 und höchstens 10 sein.</translation>
    </message>
    <message>
        <source>%1 must be a share from 0 to 1.</source>
        <translation>%1 muss ein Anteil zwischen 0 und 1 sein.</translation>
    </message>
    <message>
        <source>the noise</source>
        <translation>Das Rauschen</translation>
    </message>
    <message>
        <source>no letters given.</source>
        <translation>Es sind keine Buchstaben angegeben.</translation>
    </message>
    <message>
        <source>the letters must be capitals from A to Z, not &quot;%1&quot;.</source>
        <translation>Die Buchstaben müssen Großbuchstaben von A bis Z sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>the letter %1 is given twice.</source>
        <translation>Der Buchstabe %1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>the number of copies must be from 1 to %1.</source>
        <translation>Die Anzahl der Kopien muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>input %1 of pattern %2 is not a finite number.</source>
        <translation>Eingabe %1 von Muster %2 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>desired output %1 of pattern %2 is not a finite number.</source>
        <translation>Gewünschte Ausgabe %1 von Muster %2 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened as a saved network: %2.</source>
        <translation>Die Datei „%1“ kann nicht als gespeichertes Netz geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The network in use has not been changed.</source>
        <translation>Das Netz, mit dem Sie arbeiten, bleibt unverändert.</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>das Feld %1 fehlt</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not a number</source>
        <translation>%1 enthält %2, und das ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not a whole number</source>
        <translation>%1 enthält %2, und das ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not from %3 to %4</source>
        <translation>%1 enthält %2, und das liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not a whole number from 0 to %3</source>
        <translation>%1 enthält %2, und das ist keine ganze Zahl zwischen 0 und %3</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 ist weder true noch false</translation>
    </message>
    <message>
        <source>%1 is not a text in quotes</source>
        <translation>%1 ist kein Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 ist keine Liste</translation>
    </message>
    <message>
        <source>%1 has %2 entries where %3 says %4</source>
        <translation>%1 hat %2 Einträge, aber laut %3 sind es %4</translation>
    </message>
    <message>
        <source>an epoch count and a total SSE</source>
        <translation>Epochenzahl und Gesamt-SSE</translation>
    </message>
    <message>
        <source>the page&apos;s five lines</source>
        <translation>die fünf Zeilen der Seite</translation>
    </message>
    <message>
        <source>%1 is %2, not one of %3</source>
        <translation>%1 ist %2, nicht eines von %3</translation>
    </message>
    <message>
        <source>&quot;sizes&quot; give %1 responses, more than %2</source>
        <translation>„sizes“ ergibt %1 Antworten, mehr als %2</translation>
    </message>
    <message>
        <source>&quot;results.history&quot; has %1 rows, more than the %2 a history keeps</source>
        <translation>„results.history“ hat %1 Zeilen, mehr als die %2, die ein Verlauf fasst</translation>
    </message>
    <message>
        <source>%1 is not the state of the random generator</source>
        <translation>%1 ist kein Zustand des Zufallsgenerators</translation>
    </message>
    <message>
        <source>it does not begin with &quot;format&quot;: &quot;%1&quot;</source>
        <translation>sie beginnt nicht mit &quot;format&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it is in format version %1, written by a later Vantorelle; this one reads version %2</source>
        <translation>sie hat Formatversion %1 und stammt von einem neueren Vantorelle; dieses liest Version %2</translation>
    </message>
    <message>
        <source>it is not JSON text, or it is cut short (at byte %1)</source>
        <translation>sie ist kein JSON-Text oder bricht ab (bei Byte %1)</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double (%1; write &quot;Infinity&quot; or &quot;-Infinity&quot; for one)</source>
        <translation>sie enthält eine Zahl außerhalb des Bereichs eines double (%1; schreiben Sie dafür &quot;Infinity&quot; oder &quot;-Infinity&quot;)</translation>
    </message>
    <message>
        <source>it needs more memory than there is</source>
        <translation>sie braucht mehr Speicher, als vorhanden ist</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 being saved...</source>
        <translation>%1 wird gespeichert...</translation>
    </message>
    <message>
        <source>%1 has not been saved!</source>
        <translation>%1 wurde nicht gespeichert!</translation>
    </message>
    <message>
        <source>%1 has been saved!</source>
        <translation>%1 wurde gespeichert!</translation>
    </message>
    <message>
        <source>Please be patient while the spreadsheet is built...</source>
        <translation>Bitte haben Sie etwas Geduld, die Arbeitsmappe wird erstellt...</translation>
    </message>
    <message>
        <source>The workbook has been written to %1</source>
        <translation>Die Arbeitsmappe wurde in %1 geschrieben</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <translation>Der Bericht konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The training set could not be saved as &quot;%1&quot;.</source>
        <translation>Die Trainingsmenge konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The earlier file of that name has been left as it was.</source>
        <translation>Die bisherige Datei mit diesem Namen ist unverändert geblieben.</translation>
    </message>
    <message>
        <source>No file has been changed.</source>
        <translation>Keine Datei wurde geändert.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Den Ordner „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>Part of the path is not a folder.</source>
        <translation>Ein Teil des Pfads ist kein Ordner.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Keine Berechtigung.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ein Ordner mit diesem Namen ist im Weg.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>The program reading from the pipe stopped reading.</source>
        <translation>Das Programm, das aus der Pipe liest, hat aufgehört zu lesen.</translation>
    </message>
    <message>
        <source>No program is reading from the pipe.</source>
        <translation>Kein Programm liest aus der Pipe.</translation>
    </message>
    <message>
        <source>A socket of that name is in the way.</source>
        <translation>Ein Socket mit diesem Namen ist im Weg.</translation>
    </message>
    <message>
        <source>A disk device of that name is in the way.</source>
        <translation>Ein Laufwerksgerät mit diesem Namen ist im Weg.</translation>
    </message>
    <message>
        <source>Something of that name that is not a file is in the way.</source>
        <translation>Etwas mit diesem Namen, das keine Datei ist, ist im Weg.</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 run</source>
        <translation>Alle Treffer in %1 von %2 Lauf</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 runs</source>
        <translation>Alle Treffer in %1 von %2 Läufen</translation>
    </message>
    <message>
        <source>All hits at the end in %1 of %2 run</source>
        <translation>Alle Treffer am Ende in %1 von %2 Lauf</translation>
    </message>
    <message>
        <source>All hits at the end in %1 of %2 runs</source>
        <translation>Alle Treffer am Ende in %1 von %2 Läufen</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 run; epochs to all hits: median %3, fewest %4, most %5</source>
        <translation>Alle Treffer in %1 von %2 Lauf; Epochen bis alle Treffer: Median %3, mindestens %4, höchstens %5</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 runs; epochs to all hits: median %3, fewest %4, most %5</source>
        <translation>Alle Treffer in %1 von %2 Läufen; Epochen bis alle Treffer: Median %3, mindestens %4, höchstens %5</translation>
    </message>
    <message>
        <source>net = Σ xᵢ · wᵢ + θ = (%1 inputs) + %2 = %3</source>
        <translation>net = Σ xᵢ · wᵢ + θ = (%1 Eingaben) + %2 = %3</translation>
    </message>
    <message>
        <source>a = 1 if net ≥ 0, else 0: a = %1</source>
        <translation>a = 1 wenn net ≥ 0, sonst 0: a = %1</translation>
    </message>
    <message>
        <source>%1  (the sigmoid&apos;s slope)</source>
        <translation>%1  (Steigung der Sigmoidfunktion)</translation>
    </message>
    <message>
        <source>Overflow: a new weight would not be finite, so this unit&apos;s update stopped there; that weight and the ones after it kept their values.</source>
        <translation>Überlauf: Ein neues Gewicht wäre nicht endlich, darum hat diese Einheit dort aufgehört; dieses Gewicht und die folgenden behalten ihre Werte.</translation>
    </message>
    <message>
        <source>Δwᵢ = c · xᵢ: %1 of %2 weights changed (the inputs that are 0 change nothing).</source>
        <translation>Δwᵢ = c · xᵢ: %1 von %2 Gewichten geändert (Eingaben mit dem Wert 0 ändern nichts).</translation>
    </message>
    <message>
        <source>θ is frozen: %1</source>
        <translation>θ ist eingefroren: %1</translation>
    </message>
    <message>
        <source>%1 (unchanged)</source>
        <translation>%1 (unverändert)</translation>
    </message>
    <message>
        <source>Unit    Hits  Misses</source>
        <translation>Nr.  Treffer  Fehler</translation>
    </message>
    <message>
        <source>Classes: rows the class wanted, columns the class answered (the highest activation)</source>
        <translation>Klassen: Zeilen = gewünschte Klasse, Spalten = geantwortete Klasse (die höchste Aktivierung)</translation>
    </message>
    <message>
        <source>Accuracy: %1 of %2 patterns, %3%</source>
        <translation>Genauigkeit: %1 von %2 Mustern, %3 %</translation>
    </message>
    <message>
        <source>Training file: %1</source>
        <translation>Trainingsdatei: %1</translation>
    </message>
    <message>
        <source>Tested on: %1</source>
        <translation>Getestet mit: %1</translation>
    </message>
    <message>
        <source>%1, rate %2</source>
        <translation>%1, Lernrate %2</translation>
    </message>
    <message>
        <source>%1, rate %2, seed %3</source>
        <translation>%1, Lernrate %2, Seed %3</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>Training file</source>
        <translation>Trainingsdatei</translation>
    </message>
    <message>
        <source>Learning rule</source>
        <translation>Lernregel</translation>
    </message>
    <message>
        <source>Learning rate</source>
        <translation>Lernrate</translation>
    </message>
    <message>
        <source>Hit criterion</source>
        <translation>Trefferkriterium</translation>
    </message>
    <message>
        <source>Epoch limit</source>
        <translation>Epochengrenze</translation>
    </message>
    <message>
        <source>Stop at all hits</source>
        <translation>Ende bei allen Treffern</translation>
    </message>
    <message>
        <source>Pattern order</source>
        <translation>Reihenfolge der Muster</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Schwellenwerte</translation>
    </message>
    <message>
        <source>Weight starts</source>
        <translation>Startwerte der Gewichte</translation>
    </message>
    <message>
        <source>Threshold starts</source>
        <translation>Startwerte der Schwellenwerte</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Anzeige alle</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Epochs trained</source>
        <translation>Trainierte Epochen</translation>
    </message>
    <message>
        <source>Epochs to all hits</source>
        <translation>Epochen bis alle Treffer</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>Gesamt-SSE</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>file order</source>
        <translation>wie in der Datei</translation>
    </message>
    <message>
        <source>held</source>
        <translation>festgehalten</translation>
    </message>
    <message>
        <source>trained</source>
        <translation>trainiert</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 to %2, %3</source>
        <translation>%1 bis %2, %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>The network could not be saved as &quot;%1&quot;.</source>
        <translation>Das Netz konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot; cannot be read.</source>
        <translation>Die Lektionsdatei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot; is not valid JSON: %2.</source>
        <translation>Die Lektionsdatei „%1“ ist kein gültiges JSON: %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot; %2.</source>
        <translation>Die Lektionsdatei „%1“ %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: step %2 %3.</source>
        <translation>Die Lektionsdatei „%1“, Schritt %2: %3.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: &quot;data&quot; %2.</source>
        <translation>Die Lektionsdatei „%1“, &quot;data&quot;: %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: &quot;settings&quot; %2.</source>
        <translation>Die Lektionsdatei „%1“, &quot;settings&quot;: %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: the &quot;data&quot; of step %2 %3.</source>
        <translation>Die Lektionsdatei „%1“, &quot;data&quot; von Schritt %2: %3.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: the &quot;settings&quot; of step %2 %3.</source>
        <translation>Die Lektionsdatei „%1“, &quot;settings&quot; von Schritt %2: %3.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: step %2 tests on held-out patterns, but the lesson&apos;s &quot;data&quot; holds none out (&quot;holdOutPercent&quot;).</source>
        <translation>Die Lektionsdatei „%1“: Schritt %2 testet mit zurückgehaltenen Mustern, aber &quot;data&quot; der Lektion hält keine zurück (&quot;holdOutPercent&quot;).</translation>
    </message>
    <message>
        <source>must be an object in braces { }</source>
        <translation>muss ein Objekt in geschweiften Klammern { } sein</translation>
    </message>
    <message>
        <source>has no %1</source>
        <translation>hat kein %1</translation>
    </message>
    <message>
        <source>has %1 that is not a text in quotes</source>
        <translation>hat %1, aber das ist kein Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>has %1 that is not a number</source>
        <translation>hat %1, aber das ist keine Zahl</translation>
    </message>
    <message>
        <source>has %1 %2, outside %3 to %4</source>
        <translation>hat %1 %2, außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>has %1 that is not a whole number</source>
        <translation>hat %1, aber das ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>has %1 that is not a whole number from 0 up</source>
        <translation>hat %1, aber das ist keine ganze Zahl ab 0</translation>
    </message>
    <message>
        <source>has %1 that is neither true nor false</source>
        <translation>hat %1, aber das ist weder true noch false</translation>
    </message>
    <message>
        <source>has a field %1 that lessons do not know</source>
        <translation>hat ein Feld %1, das Lektionen nicht kennen</translation>
    </message>
    <message>
        <source>needs either &quot;file&quot; or &quot;generate&quot;, not both or neither</source>
        <translation>braucht entweder &quot;file&quot; oder &quot;generate&quot;, nicht beides und nicht keins</translation>
    </message>
    <message>
        <source>has an empty %1</source>
        <translation>hat ein leeres %1</translation>
    </message>
    <message>
        <source>asks for a set that cannot be made: %1</source>
        <translation>verlangt eine Menge, die nicht erzeugt werden kann: %1</translation>
    </message>
    <message>
        <source>has &quot;generate&quot; %1; it must be and, or, nand, xor, parity, clouds or letters</source>
        <translation>hat &quot;generate&quot; %1; erlaubt sind and, or, nand, xor, parity, clouds oder letters</translation>
    </message>
    <message>
        <source>has &quot;rule&quot; %1; it must be Delta, Gradient or Tarvik</source>
        <translation>hat &quot;rule&quot; %1; erlaubt sind Delta, Gradient oder Tarvik</translation>
    </message>
    <message>
        <source>has &quot;action&quot; %1; it must be one of %2</source>
        <translation>hat &quot;action&quot; %1; erlaubt ist eines von %2</translation>
    </message>
    <message>
        <source>has an answer but no question</source>
        <translation>hat eine Antwort, aber keine Frage</translation>
    </message>
    <message>
        <source>has a question but no answer</source>
        <translation>hat eine Frage, aber keine Antwort</translation>
    </message>
    <message>
        <source>has an &quot;actionLabel&quot; but no &quot;action&quot;</source>
        <translation>hat ein &quot;actionLabel&quot;, aber kein &quot;action&quot;</translation>
    </message>
    <message>
        <source>does not start with &quot;lesson&quot;: 1, the format version</source>
        <translation>beginnt nicht mit &quot;lesson&quot;: 1, der Formatversion</translation>
    </message>
    <message>
        <source>is of lesson format %1, which this program does not know (it reads %2)</source>
        <translation>hat das Lektionsformat %1, das dieses Programm nicht kennt (es liest %2)</translation>
    </message>
    <message>
        <source>has no &quot;data&quot;: every lesson names its training set</source>
        <translation>hat kein &quot;data&quot;: Jede Lektion nennt ihre Trainingsmenge</translation>
    </message>
    <message>
        <source>has no &quot;steps&quot;: a list [ ] of at least one step</source>
        <translation>hat kein &quot;steps&quot;: eine Liste [ ] mit mindestens einem Schritt</translation>
    </message>
    <message>
        <source>Holding out %1% of %2 patterns would leave one part empty.</source>
        <translation>Wenn %1 % von %2 Mustern zurückgehalten werden, bleibt ein Teil leer.</translation>
    </message>
    <message>
        <source>The lesson names no training set.</source>
        <translation>Die Lektion nennt keine Trainingsmenge.</translation>
    </message>
    <message>
        <source>the spread</source>
        <translation>die Streuung</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; names another training set in &quot;data&quot; than the original.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ nennt in &quot;data&quot; eine andere Trainingsmenge als das Original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has other &quot;settings&quot; than the original.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ hat andere &quot;settings&quot; als das Original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has %2 steps; the original has %3.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ hat %2 Schritte; das Original hat %3.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 another training set than the original.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ hat in Schritt %2 eine andere Trainingsmenge als das Original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 other settings than the original.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ hat in Schritt %2 andere Einstellungen als das Original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 another action than the original.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ hat in Schritt %2 eine andere Aktion als das Original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 a question the original does not ask.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ stellt in Schritt %2 eine Frage, die das Original nicht stellt.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 no question; the original asks one.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ stellt in Schritt %2 keine Frage; das Original stellt eine.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 an &quot;actionLabel&quot; the original does not have.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ hat in Schritt %2 ein &quot;actionLabel&quot;, das das Original nicht hat.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 no &quot;actionLabel&quot;; the original has one.</source>
        <translation>Die übersetzte Lektionsdatei „%1“ hat in Schritt %2 kein &quot;actionLabel&quot;; das Original hat eins.</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>Neg</source>
        <translation>Neg</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
</context>
<context>
    <name>Generalize</name>
    <message>
        <source>Perceptron -- Load A Different File To Test Generalization</source>
        <translation>Perzeptron -- Andere Datei laden, um die Generalisierung zu testen</translation>
    </message>
    <message>
        <source>If you load a file from this form, then it will replace the file that you have used to train the perceptron.  So make sure that you are finished exploring how the perceptron handles the current file before you load a file from this form!</source>
        <translation>Wenn Sie auf dieser Seite eine Datei laden, ersetzt sie die Datei, mit der Sie das Perzeptron trainiert haben.  Schauen Sie sich also zuerst in Ruhe an, wie das Perzeptron mit der aktuellen Datei umgeht, bevor Sie hier eine Datei laden!</translation>
    </message>
    <message>
        <source>This form can be used to read in a new file that can be presented to the network that has just been trained.  Generalization can be tested by choosing a file here, and then going back to the &quot;TestPerceptron&quot; form to see how the network responds to the new patterns.  The effect of previous learning on new learning can be explored by choosing a file here, and then returning to the &quot;Perceptron&quot; form without resetting the weights.  You can then continue training the network using the new set of patterns.</source>
        <translation>Mit dieser Seite lesen Sie eine neue Datei ein, die dem gerade trainierten Netz gezeigt werden kann.  Die Generalisierung testen Sie, indem Sie hier eine Datei wählen und dann zur Seite „TestPerceptron“ zurückgehen, um zu sehen, wie das Netz auf die neuen Muster antwortet.  Wie frühere Lernerfahrung neues Lernen beeinflusst, sehen Sie, wenn Sie hier eine Datei wählen und dann zur Seite „Perceptron“ zurückkehren, ohne die Gewichte zurückzusetzen.  Dann können Sie das Netz mit den neuen Mustern weitertrainieren.</translation>
    </message>
    <message>
        <source>Use &quot;Double Clicks&quot; To Choose A New File For Testing The Current Network</source>
        <translation>Neue Testdatei für das aktuelle Netz per „Doppelklick“ wählen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source># of Output Units:</source>
        <translation>Anzahl Ausgabeeinheiten:</translation>
    </message>
    <message>
        <source># of Input Units:</source>
        <translation>Anzahl Eingabeeinheiten:</translation>
    </message>
    <message>
        <source># of Patterns:</source>
        <translation>Anzahl Muster:</translation>
    </message>
    <message>
        <source>Read The New File</source>
        <translation>Neue Datei einlesen</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, ein Perzeptron für den Unterricht: von seinen Entwicklern für alle, die einem Netz beim Lernen zusehen wollen.</translation>
    </message>
    <message>
        <source>Exit This Form</source>
        <translation>Seite verlassen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Scrolls the page sideways</source>
        <translation>Verschiebt die Seite seitwärts</translation>
    </message>
    <message>
        <source>The page keeps the size it was drawn at. When its window is narrower, this bar moves the controls left and right so you can reach the ones out of sight.</source>
        <translation>Die Seite behält die Größe, in der sie entworfen wurde. Ist ihr Fenster schmaler, verschiebt dieser Balken die Bedienelemente nach links und rechts, damit Sie die verdeckten erreichen.</translation>
    </message>
    <message>
        <source>Scrolls the page up and down</source>
        <translation>Verschiebt die Seite nach oben und unten</translation>
    </message>
    <message>
        <source>The page keeps the size it was drawn at. When its window is lower, this bar moves the controls up and down so you can reach the ones out of sight.</source>
        <translation>Die Seite behält die Größe, in der sie entworfen wurde. Ist ihr Fenster niedriger, verschiebt dieser Balken die Bedienelemente nach oben und unten, damit Sie die verdeckten erreichen.</translation>
    </message>
    <message>
        <source>The corner between the two scroll bars</source>
        <translation>Die Ecke zwischen den beiden Bildlaufleisten</translation>
    </message>
    <message>
        <source>A blank square where the two scroll bars meet. It shows only when the window is smaller than the page in both directions.</source>
        <translation>Ein leeres Quadrat, wo sich die beiden Bildlaufleisten treffen. Es erscheint nur, wenn das Fenster in beiden Richtungen kleiner als die Seite ist.</translation>
    </message>
    <message>
        <source>The program&apos;s title</source>
        <translation>Der Titel des Programms</translation>
    </message>
    <message>
        <source>The title of the program. Start here: choose a training file below.</source>
        <translation>Der Titel des Programms. Beginnen Sie hier: Wählen Sie unten eine Trainingsdatei.</translation>
    </message>
    <message>
        <source>Double-click a file below to read it</source>
        <translation>Doppelklicken Sie unten auf eine Datei, um sie einzulesen</translation>
    </message>
    <message>
        <source>Says how to choose the training file: double-click its name in the file list.</source>
        <translation>Sagt, wie Sie die Trainingsdatei wählen: Doppelklicken Sie auf ihren Namen in der Dateiliste.</translation>
    </message>
    <message>
        <source>The drive whose folders are listed below</source>
        <translation>Das Laufwerk, dessen Ordner unten aufgelistet sind</translation>
    </message>
    <message>
        <source>Choose a drive: the system&apos;s mounted volumes, by their root folders (/, /home, a USB stick under /media). The folder list then shows that drive&apos;s folders.</source>
        <translation>Wählen Sie ein Laufwerk: die eingebundenen Datenträger des Systems, nach ihren Wurzelordnern (/, /home, ein USB-Stick unter /media). Die Ordnerliste zeigt dann die Ordner dieses Laufwerks.</translation>
    </message>
    <message>
        <source>Folders: double-click one to open it</source>
        <translation>Ordner: Doppelklicken Sie auf einen, um ihn zu öffnen</translation>
    </message>
    <message>
        <source>The folder you are in and the folders around it. Double-click a folder to go into it, or the one above it to go back up. The file list shows that folder&apos;s files.</source>
        <translation>Der Ordner, in dem Sie sind, und die Ordner um ihn herum. Doppelklicken Sie auf einen Ordner, um hineinzugehen, oder auf den darüber, um zurück nach oben zu gehen. Die Dateiliste zeigt die Dateien dieses Ordners.</translation>
    </message>
    <message>
        <source>Training files: double-click one to read it</source>
        <translation>Trainingsdateien: Doppelklicken Sie auf eine, um sie einzulesen</translation>
    </message>
    <message>
        <source>The training files (names ending in .net) in the chosen folder. Double-click one to read it: its numbers of output units, input units and patterns appear on the right, and the button to go on to the training set-up page shows.</source>
        <translation>Die Trainingsdateien (Namen mit der Endung .net) im gewählten Ordner. Doppelklicken Sie auf eine, um sie einzulesen: Rechts erscheinen die Zahl ihrer Ausgabeeinheiten, Eingabeeinheiten und Muster, und die Schaltfläche, die zur Einstellungsseite weiterführt, wird sichtbar.</translation>
    </message>
    <message>
        <source>Open a network saved earlier, with its weights and settings</source>
        <translation>Ein früher gespeichertes Netz mit seinen Gewichten und Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Opens a network saved with &quot;Save The Trained Network&quot; (a .vnet file): its patterns, settings, weights and status lines come back, the set-up page opens exactly as it was saved, and the note saved with it comes up.</source>
        <translation>Öffnet ein mit „Trainiertes Netz speichern“ gespeichertes Netz (eine .vnet-Datei): Seine Muster, Einstellungen, Gewichte und Statuszeilen kommen zurück, die Einstellungsseite öffnet sich genau so, wie sie gespeichert wurde, und die mitgespeicherte Notiz erscheint.</translation>
    </message>
    <message>
        <source>Make a training set of your own, or edit one</source>
        <translation>Eine eigene Trainingsmenge erstellen oder eine bearbeiten</translation>
    </message>
    <message>
        <source>Opens the training-set page: type patterns into a table, or generate AND, OR, NAND, XOR, parity, clouds of points or letters, and save them as a training file.</source>
        <translation>Öffnet die Seite für Trainingsmengen: Tippen Sie Muster in eine Tabelle oder erzeugen Sie AND, OR, NAND, XOR, Parität, Punktwolken oder Buchstaben, und speichern Sie sie als Trainingsdatei.</translation>
    </message>
    <message>
        <source>Short guided exercises that set up the training for you</source>
        <translation>Kurze geführte Übungen, die das Training für Sie einrichten</translation>
    </message>
    <message>
        <source>Opens the lessons: eight short exercises, from what one unit computes to the letters. Each puts its own training set and settings on the set-up page and walks you through it step by step, with questions and their answers.</source>
        <translation>Öffnet die Lektionen: acht kurze Übungen, von dem, was eine Einheit berechnet, bis zu den Buchstaben. Jede legt ihre eigene Trainingsmenge und Einstellungen auf die Einstellungsseite und führt Sie Schritt für Schritt hindurch, mit Fragen und ihren Antworten.</translation>
    </message>
    <message>
        <source>What the file read holds</source>
        <translation>Was die eingelesene Datei enthält</translation>
    </message>
    <message>
        <source>The heading of the four lines below it: they show what the file you double-clicked contains.</source>
        <translation>Die Überschrift der vier Zeilen darunter: Sie zeigen, was die doppelt angeklickte Datei enthält.</translation>
    </message>
    <message>
        <source>Names the box to its right</source>
        <translation>Benennt das Feld rechts daneben</translation>
    </message>
    <message>
        <source>Each caption names the box to its right: the file&apos;s name, how many output units the network has, how many inputs each pattern has, and how many patterns the file holds.</source>
        <translation>Jede Beschriftung benennt das Feld rechts daneben: den Namen der Datei, wie viele Ausgabeeinheiten das Netz hat, wie viele Eingaben jedes Muster hat und wie viele Muster die Datei enthält.</translation>
    </message>
    <message>
        <source>The name of the file read</source>
        <translation>Der Name der eingelesenen Datei</translation>
    </message>
    <message>
        <source>The name of the training file you double-clicked.</source>
        <translation>Der Name der Trainingsdatei, die Sie doppelt angeklickt haben.</translation>
    </message>
    <message>
        <source>How many output units the network has</source>
        <translation>Wie viele Ausgabeeinheiten das Netz hat</translation>
    </message>
    <message>
        <source>The number of output units: how many answers the network gives for each pattern. Each output unit has its own weights and threshold.</source>
        <translation>Die Zahl der Ausgabeeinheiten: wie viele Antworten das Netz für jedes Muster gibt. Jede Ausgabeeinheit hat ihre eigenen Gewichte und ihre eigene Schwelle.</translation>
    </message>
    <message>
        <source>How many inputs each pattern has</source>
        <translation>Wie viele Eingaben jedes Muster hat</translation>
    </message>
    <message>
        <source>The number of input units: how many numbers each pattern presents to the network. Every output unit has one weight for each input.</source>
        <translation>Die Zahl der Eingabeeinheiten: wie viele Zahlen jedes Muster dem Netz zeigt. Jede Ausgabeeinheit hat für jede Eingabe ein Gewicht.</translation>
    </message>
    <message>
        <source>How many patterns the file holds</source>
        <translation>Wie viele Muster die Datei enthält</translation>
    </message>
    <message>
        <source>The number of patterns: the examples in the file, each with its inputs and the outputs the network should give.</source>
        <translation>Die Zahl der Muster: die Beispiele in der Datei, jedes mit seinen Eingaben und den Ausgaben, die das Netz geben soll.</translation>
    </message>
    <message>
        <source>Go on to choose the training settings</source>
        <translation>Weiter zur Wahl der Trainingseinstellungen</translation>
    </message>
    <message>
        <source>Opens the training set-up page for the file just read, where you choose the learning rule and the other settings and start training. It shows once a file has been read.</source>
        <translation>Öffnet die Einstellungsseite für die gerade eingelesene Datei, auf der Sie die Lernregel und die anderen Einstellungen wählen und das Training starten. Sie erscheint, sobald eine Datei eingelesen ist.</translation>
    </message>
    <message>
        <source>Who made this program</source>
        <translation>Wer dieses Programm gemacht hat</translation>
    </message>
    <message>
        <source>A short note on the program and its authors.</source>
        <translation>Eine kurze Notiz über das Programm und seine Autoren.</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Ends the program and closes all its windows.</source>
        <translation>Beendet das Programm und schließt alle seine Fenster.</translation>
    </message>
    <message>
        <source>The title of the program. On this page you set up training and watch it run.</source>
        <translation>Der Titel des Programms. Auf dieser Seite richten Sie das Training ein und sehen ihm zu.</translation>
    </message>
    <message>
        <source>How the weights change after each pattern</source>
        <translation>Wie sich die Gewichte nach jedem Muster ändern</translation>
    </message>
    <message>
        <source>The learning rule: how each output unit computes its answer and how its weights change after each pattern. Choose one of the three below.</source>
        <translation>Die Lernregel: wie jede Ausgabeeinheit ihre Antwort berechnet und wie sich ihre Gewichte nach jedem Muster ändern. Wählen Sie eine der drei unten.</translation>
    </message>
    <message>
        <source>Step units: each answers 0 or 1</source>
        <translation>Stufeneinheiten: Jede antwortet 0 oder 1</translation>
    </message>
    <message>
        <source>The delta rule with binary output: a unit answers 1 when its net input (the weighted sum of the inputs plus the threshold) is 0 or more, otherwise 0. After each pattern every weight changes by the learning rate times the error times its input. It can learn only what one straight line (one plane) separates: AND and OR, never XOR.</source>
        <translation>Die Delta-Regel mit binärer Ausgabe: Eine Einheit antwortet 1, wenn ihre Netzeingabe (die gewichtete Summe der Eingaben plus die Schwelle) 0 oder mehr ist, sonst 0. Nach jedem Muster ändert sich jedes Gewicht um die Lernrate mal den Fehler mal seine Eingabe. Sie kann nur lernen, was eine einzige Gerade (eine Ebene) trennt: AND und OR, nie XOR.</translation>
    </message>
    <message>
        <source>Sigmoid units: answers between 0 and 1</source>
        <translation>Sigmoid-Einheiten: Antworten zwischen 0 und 1</translation>
    </message>
    <message>
        <source>Gradient descent with sigmoid output: a unit answers 1 / (1 + e^-net), a smooth number between 0 and 1. Each weight changes by the learning rate times (1 - a) times a times the error times its input, which walks downhill on the squared error.</source>
        <translation>Gradientenabstieg mit Sigmoid-Ausgabe: Eine Einheit antwortet 1 / (1 + e^-net), eine glatte Zahl zwischen 0 und 1. Jedes Gewicht ändert sich um die Lernrate mal (1 - a) mal a mal den Fehler mal seine Eingabe; so geht es auf dem quadratischen Fehler bergab.</translation>
    </message>
    <message>
        <source>Gaussian units: high near one net input, low away from it</source>
        <translation>Gauß-Einheiten: hoch nahe einer Netzeingabe, niedrig weiter weg</translation>
    </message>
    <message>
        <source>Gradient descent with Gaussian output: a unit answers e^(-pi net^2), which is 1 when the net input is 0 and falls towards 0 on both sides. Its answer is high inside a band, so one unit can learn XOR.</source>
        <translation>Gradientenabstieg mit Gauß-Ausgabe: Eine Einheit antwortet e^(-pi net^2); das ist 1, wenn die Netzeingabe 0 ist, und fällt auf beiden Seiten gegen 0. Ihre Antwort ist innerhalb eines Streifens hoch, daher kann eine einzige Einheit XOR lernen.</translation>
    </message>
    <message>
        <source>When training ends</source>
        <translation>Wann das Training endet</translation>
    </message>
    <message>
        <source>Choose one or both ways of ending training. With both, training ends at whichever comes first.</source>
        <translation>Wählen Sie eine oder beide Arten, das Training zu beenden. Mit beiden endet das Training bei dem, was zuerst eintritt.</translation>
    </message>
    <message>
        <source>End after the number of epochs in the box below</source>
        <translation>Nach der Zahl der Epochen im Feld unten beenden</translation>
    </message>
    <message>
        <source>Training ends after the maximum number of epochs (one epoch presents every pattern once). While it runs, a progress bar shows the epochs done.</source>
        <translation>Das Training endet nach der Höchstzahl von Epochen (eine Epoche zeigt jedes Muster einmal). Während es läuft, zeigt ein Fortschrittsbalken die erledigten Epochen.</translation>
    </message>
    <message>
        <source>End as soon as every output is a hit</source>
        <translation>Beenden, sobald jede Ausgabe ein Treffer ist</translation>
    </message>
    <message>
        <source>Training ends after the first epoch in which every output of every pattern is a hit (its squared error below the hit criterion). A problem the rule cannot learn, like XOR with step units, never ends this way: add the epoch limit or press Stop Training.</source>
        <translation>Das Training endet nach der ersten Epoche, in der jede Ausgabe jedes Musters ein Treffer ist (ihr quadratischer Fehler unter dem Trefferkriterium). Ein Problem, das die Regel nicht lernen kann, wie XOR mit Stufeneinheiten, endet so nie: Nehmen Sie die Epochengrenze dazu oder drücken Sie „Training stoppen“.</translation>
    </message>
    <message>
        <source>The most epochs a run trains</source>
        <translation>Die meisten Epochen, die ein Lauf trainiert</translation>
    </message>
    <message>
        <source>The maximum number of epochs (whole passes through all the patterns), used when &quot;End After A Maximum Number Of Training Epochs&quot; is ticked. Type a whole number or use the arrows beside it.</source>
        <translation>Die Höchstzahl der Epochen (ganze Durchgänge durch alle Muster), verwendet, wenn „Ende nach einer Höchstzahl von Epochen“ angehakt ist. Tippen Sie eine ganze Zahl ein oder nutzen Sie die Pfeile daneben.</translation>
    </message>
    <message>
        <source>Raise or lower the maximum number of epochs</source>
        <translation>Die Höchstzahl der Epochen erhöhen oder senken</translation>
    </message>
    <message>
        <source>Each click raises or lowers the maximum number of epochs in the box to its left.</source>
        <translation>Jeder Klick erhöht oder senkt die Höchstzahl der Epochen im Feld links daneben.</translation>
    </message>
    <message>
        <source>How often the status lines and the SSE history are updated</source>
        <translation>Wie oft die Statuszeilen und der SSE-Verlauf aktualisiert werden</translation>
    </message>
    <message>
        <source>Every so many epochs the five status lines below are rewritten and one point is added to the SSE history that the graph and the error curve draw. A small number gives a detailed curve; a large one lets a long run go faster.</source>
        <translation>Nach jeweils so vielen Epochen werden die fünf Statuszeilen unten neu geschrieben, und dem SSE-Verlauf, den der Graph und die Fehlerkurve zeichnen, wird ein Punkt hinzugefügt. Eine kleine Zahl ergibt eine genaue Kurve; eine große lässt einen langen Lauf schneller gehen.</translation>
    </message>
    <message>
        <source>Raise or lower the printout interval</source>
        <translation>Den Abstand der Zwischenausgaben erhöhen oder senken</translation>
    </message>
    <message>
        <source>Each click raises or lowers the number of epochs between printouts in the box to its left.</source>
        <translation>Jeder Klick erhöht oder senkt die Zahl der Epochen zwischen Zwischenausgaben im Feld links daneben.</translation>
    </message>
    <message>
        <source>How big each weight change is</source>
        <translation>Wie groß jede Gewichtsänderung ist</translation>
    </message>
    <message>
        <source>The learning rate, the factor every weight change is multiplied by. Too small and learning is slow; too large and the weights jump past the answer (a Gaussian unit can even overflow). Type a number or use the slider.</source>
        <translation>Die Lernrate, der Faktor, mit dem jede Gewichtsänderung multipliziert wird. Zu klein, und das Lernen ist langsam; zu groß, und die Gewichte springen über die Lösung hinaus (eine Gauß-Einheit kann sogar überlaufen). Tippen Sie eine Zahl ein oder nutzen Sie den Schieberegler.</translation>
    </message>
    <message>
        <source>Slide to choose the learning rate</source>
        <translation>Schieben, um die Lernrate zu wählen</translation>
    </message>
    <message>
        <source>Moves the learning rate in the box above from small (left) to large (right).</source>
        <translation>Bewegt die Lernrate im Feld darüber von klein (links) nach groß (rechts).</translation>
    </message>
    <message>
        <source>How small the squared error must be to count as a hit</source>
        <translation>Wie klein der quadratische Fehler sein muss, damit er als Treffer zählt</translation>
    </message>
    <message>
        <source>The hit criterion: an output is a hit when its squared error (the desired output minus the answer, squared) is below this number, and a miss otherwise. The hit and miss counts below, and the all-hits stop, use it.</source>
        <translation>Das Trefferkriterium: Eine Ausgabe ist ein Treffer, wenn ihr quadratischer Fehler (gewünschte Ausgabe minus Antwort, zum Quadrat) unter dieser Zahl liegt, sonst ein Fehltreffer. Die Zahlen der Treffer und Fehltreffer unten und der Stopp bei „alle Treffer“ verwenden es.</translation>
    </message>
    <message>
        <source>Slide to choose the hit criterion</source>
        <translation>Schieben, um das Trefferkriterium zu wählen</translation>
    </message>
    <message>
        <source>Moves the hit criterion in the box above from small (left) to large (right).</source>
        <translation>Bewegt das Trefferkriterium im Feld darüber von klein (links) nach groß (rechts).</translation>
    </message>
    <message>
        <source>The order the patterns are shown in</source>
        <translation>Die Reihenfolge, in der die Muster gezeigt werden</translation>
    </message>
    <message>
        <source>Whether each epoch presents the patterns in a new random order or always in the file&apos;s order.</source>
        <translation>Ob jede Epoche die Muster in einer neuen zufälligen Reihenfolge zeigt oder immer in der Reihenfolge der Datei.</translation>
    </message>
    <message>
        <source>Shuffle the patterns every epoch</source>
        <translation>Die Muster in jeder Epoche mischen</translation>
    </message>
    <message>
        <source>Each epoch presents the patterns in a new random order, so the network does not learn the order of the file.</source>
        <translation>Jede Epoche zeigt die Muster in einer neuen zufälligen Reihenfolge, damit das Netz nicht die Reihenfolge der Datei lernt.</translation>
    </message>
    <message>
        <source>Always the file&apos;s order</source>
        <translation>Immer die Reihenfolge der Datei</translation>
    </message>
    <message>
        <source>Each epoch presents the patterns in the order of the file, first to last.</source>
        <translation>Jede Epoche zeigt die Muster in der Reihenfolge der Datei, vom ersten bis zum letzten.</translation>
    </message>
    <message>
        <source>Whether thresholds learn too</source>
        <translation>Ob die Schwellen auch lernen</translation>
    </message>
    <message>
        <source>The threshold (or bias) of a unit is added to its net input; it acts like a weight from an input that is always 1.</source>
        <translation>Die Schwelle (oder der Bias) einer Einheit wird zu ihrer Netzeingabe addiert; sie wirkt wie ein Gewicht von einer Eingabe, die immer 1 ist.</translation>
    </message>
    <message>
        <source>Thresholds change like weights</source>
        <translation>Schwellen ändern sich wie Gewichte</translation>
    </message>
    <message>
        <source>Each unit&apos;s threshold is trained along with its weights, as the weight of an input that is always 1.</source>
        <translation>Die Schwelle jeder Einheit wird zusammen mit ihren Gewichten trainiert, als Gewicht einer Eingabe, die immer 1 ist.</translation>
    </message>
    <message>
        <source>Thresholds keep their starting values</source>
        <translation>Schwellen behalten ihre Startwerte</translation>
    </message>
    <message>
        <source>The thresholds stay at their starting values and only the weights learn. Try it to see what a threshold is for: a step unit with a threshold of 0 cannot learn AND.</source>
        <translation>Die Schwellen bleiben auf ihren Startwerten, und nur die Gewichte lernen. Probieren Sie es aus, um zu sehen, wozu eine Schwelle da ist: Eine Stufeneinheit mit der Schwelle 0 kann AND nicht lernen.</translation>
    </message>
    <message>
        <source>How the weights start</source>
        <translation>Wie die Gewichte starten</translation>
    </message>
    <message>
        <source>Training starts from small random weights. Choose the program&apos;s range or your own.</source>
        <translation>Das Training beginnt mit kleinen zufälligen Gewichten. Wählen Sie den Bereich des Programms oder Ihren eigenen.</translation>
    </message>
    <message>
        <source>Random weights from the program&apos;s range</source>
        <translation>Zufällige Gewichte aus dem Bereich des Programms</translation>
    </message>
    <message>
        <source>The weights start at random values between -0.1 and 0.1 (the settings shown under &quot;Current Weight Settings&quot;).</source>
        <translation>Die Gewichte starten mit zufälligen Werten zwischen -0.1 und 0.1 (die Einstellungen unter „Aktuelle Gewichtseinstellungen“).</translation>
    </message>
    <message>
        <source>Choose the range and sign of the starting weights</source>
        <translation>Bereich und Vorzeichen der Startgewichte wählen</translation>
    </message>
    <message>
        <source>Opens the weight start page, where you choose the largest and smallest size of the random starting weights and whether they may be positive, negative or both.</source>
        <translation>Öffnet die Seite für Startgewichte, auf der Sie die größte und kleinste Größe der zufälligen Startgewichte wählen und ob sie positiv, negativ oder beides sein dürfen.</translation>
    </message>
    <message>
        <source>How the thresholds start</source>
        <translation>Wie die Schwellen starten</translation>
    </message>
    <message>
        <source>Training starts from random thresholds. Choose the program&apos;s range or your own.</source>
        <translation>Das Training beginnt mit zufälligen Schwellen. Wählen Sie den Bereich des Programms oder Ihren eigenen.</translation>
    </message>
    <message>
        <source>Thresholds from the program&apos;s range</source>
        <translation>Schwellen aus dem Bereich des Programms</translation>
    </message>
    <message>
        <source>Every threshold starts at 0, the program&apos;s setting shown under &quot;Current Threshold Settings&quot;.</source>
        <translation>Jede Schwelle startet bei 0, der Einstellung des Programms, die unter „Aktuelle Schwelleneinstellungen“ steht.</translation>
    </message>
    <message>
        <source>Choose the range and sign of the starting thresholds</source>
        <translation>Bereich und Vorzeichen der Startschwellen wählen</translation>
    </message>
    <message>
        <source>Opens the threshold start page, where you choose the largest and smallest size of the random starting thresholds and their sign.</source>
        <translation>Öffnet die Seite für Startschwellen, auf der Sie die größte und kleinste Größe der zufälligen Startschwellen und ihr Vorzeichen wählen.</translation>
    </message>
    <message>
        <source>The range the starting weights are drawn from</source>
        <translation>Der Bereich, aus dem die Startgewichte gezogen werden</translation>
    </message>
    <message>
        <source>The heading of the three lines below it: the range and sign the next run&apos;s random starting weights are drawn from.</source>
        <translation>Die Überschrift der drei Zeilen darunter: Bereich und Vorzeichen, aus denen die zufälligen Startgewichte des nächsten Laufs gezogen werden.</translation>
    </message>
    <message>
        <source>The largest size a starting weight can have</source>
        <translation>Die größte Größe, die ein Startgewicht haben kann</translation>
    </message>
    <message>
        <source>The largest absolute value a random starting weight can have.</source>
        <translation>Der größte Betrag, den ein zufälliges Startgewicht haben kann.</translation>
    </message>
    <message>
        <source>The smallest size a starting weight can have</source>
        <translation>Die kleinste Größe, die ein Startgewicht haben kann</translation>
    </message>
    <message>
        <source>The smallest absolute value a random starting weight can have.</source>
        <translation>Der kleinste Betrag, den ein zufälliges Startgewicht haben kann.</translation>
    </message>
    <message>
        <source>Whether starting weights are positive, negative or both</source>
        <translation>Ob Startgewichte positiv, negativ oder beides sind</translation>
    </message>
    <message>
        <source>The sign of the random starting weights: positive and negative, only positive, or only negative.</source>
        <translation>Das Vorzeichen der zufälligen Startgewichte: positiv und negativ, nur positiv oder nur negativ.</translation>
    </message>
    <message>
        <source>The range the starting thresholds are drawn from</source>
        <translation>Der Bereich, aus dem die Startschwellen gezogen werden</translation>
    </message>
    <message>
        <source>The heading of the three lines below it: the range and sign the next run&apos;s random starting thresholds are drawn from.</source>
        <translation>Die Überschrift der drei Zeilen darunter: Bereich und Vorzeichen, aus denen die zufälligen Startschwellen des nächsten Laufs gezogen werden.</translation>
    </message>
    <message>
        <source>The largest size a starting threshold can have</source>
        <translation>Die größte Größe, die eine Startschwelle haben kann</translation>
    </message>
    <message>
        <source>The largest absolute value a random starting threshold can have.</source>
        <translation>Der größte Betrag, den eine zufällige Startschwelle haben kann.</translation>
    </message>
    <message>
        <source>The smallest size a starting threshold can have</source>
        <translation>Die kleinste Größe, die eine Startschwelle haben kann</translation>
    </message>
    <message>
        <source>The smallest absolute value a random starting threshold can have.</source>
        <translation>Der kleinste Betrag, den eine zufällige Startschwelle haben kann.</translation>
    </message>
    <message>
        <source>Whether starting thresholds are positive, negative or both</source>
        <translation>Ob Startschwellen positiv, negativ oder beides sind</translation>
    </message>
    <message>
        <source>The sign of the random starting thresholds: positive and negative, only positive, or only negative.</source>
        <translation>Das Vorzeichen der zufälligen Startschwellen: positiv und negativ, nur positiv oder nur negativ.</translation>
    </message>
    <message>
        <source>A number that repeats a run exactly; empty for a new one</source>
        <translation>Eine Zahl, die einen Lauf genau wiederholt; leer für einen neuen</translation>
    </message>
    <message>
        <source>The random seed decides the starting weights and the pattern order. Type a whole number to make a run you can repeat exactly (the same seed and settings give the same numbers). Leave it empty and each run takes a seed from the clock.</source>
        <translation>Der Seed (Zufallsstartwert) bestimmt die Startgewichte und die Reihenfolge der Muster. Tippen Sie eine ganze Zahl ein, um einen Lauf zu machen, den Sie genau wiederholen können (derselbe Seed mit denselben Einstellungen ergibt dieselben Zahlen). Lassen Sie das Feld leer, nimmt jeder Lauf einen Seed aus der Uhrzeit.</translation>
    </message>
    <message>
        <source>The seed the last run used</source>
        <translation>Der Seed des letzten Laufs</translation>
    </message>
    <message>
        <source>The seed of the last run. Type it into the seed box to run it again exactly.</source>
        <translation>Der Seed des letzten Laufs. Tippen Sie ihn in das Seed-Feld, um den Lauf genau zu wiederholen.</translation>
    </message>
    <message>
        <source>Opens a window beside this page for training one pattern or one epoch at a time, with the rule&apos;s arithmetic written out for one output unit and every weight before and after.</source>
        <translation>Öffnet neben dieser Seite ein Fenster, um ein Muster oder eine Epoche nach der anderen zu trainieren; die Rechnung der Regel wird für eine Ausgabeeinheit ausgeschrieben, mit jedem Gewicht vorher und nachher.</translation>
    </message>
    <message>
        <source>Opens a window that trains these settings once from each seed of a range, on every core, and lists the epochs, hits and total SSE of each run with a summary. This page and its network stay as they are.</source>
        <translation>Öffnet ein Fenster, das diese Einstellungen einmal mit jedem Seed eines Bereichs trainiert, auf allen Prozessorkernen, und die Epochen, Treffer und Gesamt-SSE jedes Laufs mit einer Zusammenfassung auflistet. Diese Seite und ihr Netz bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Train on from the current weights</source>
        <translation>Von den aktuellen Gewichten aus weitertrainieren</translation>
    </message>
    <message>
        <source>Continues training from the weights the last run left, counting on from its epochs. The settings are checked first.</source>
        <translation>Setzt das Training mit den Gewichten fort, die der letzte Lauf hinterlassen hat, und zählt seine Epochen weiter. Zuerst werden die Einstellungen geprüft.</translation>
    </message>
    <message>
        <source>Examine the trained network</source>
        <translation>Das trainierte Netz untersuchen</translation>
    </message>
    <message>
        <source>Opens the testing hub, with ways to probe, graph, view, save and export the trained network.</source>
        <translation>Öffnet die Testseite mit Möglichkeiten, das trainierte Netz zu prüfen, zu zeichnen, anzusehen, zu speichern und zu exportieren.</translation>
    </message>
    <message>
        <source>Start a new run from new starting weights</source>
        <translation>Einen neuen Lauf mit neuen Startgewichten beginnen</translation>
    </message>
    <message>
        <source>Checks the settings, draws new starting weights and thresholds, and trains until a chosen end is reached. The status lines show the progress.</source>
        <translation>Prüft die Einstellungen, zieht neue Startgewichte und Startschwellen und trainiert, bis ein gewähltes Ende erreicht ist. Die Statuszeilen zeigen den Fortschritt.</translation>
    </message>
    <message>
        <source>Ends the run after the epoch it is in (Escape does the same). The weights stay as they are, so you can examine them or continue training.</source>
        <translation>Beendet den Lauf nach der Epoche, in der er gerade ist (Escape tut dasselbe). Die Gewichte bleiben, wie sie sind, sodass Sie sie untersuchen oder weitertrainieren können.</translation>
    </message>
    <message>
        <source>The training file in use</source>
        <translation>Die verwendete Trainingsdatei</translation>
    </message>
    <message>
        <source>The name of the training file the network trains on.</source>
        <translation>Der Name der Trainingsdatei, auf der das Netz trainiert.</translation>
    </message>
    <message>
        <source>Status: the epochs trained</source>
        <translation>Status: die trainierten Epochen</translation>
    </message>
    <message>
        <source>How many epochs (passes through all the patterns) the network has trained, updated at every printout.</source>
        <translation>Wie viele Epochen (Durchgänge durch alle Muster) das Netz trainiert hat, bei jeder Zwischenausgabe aktualisiert.</translation>
    </message>
    <message>
        <source>Status: the total SSE</source>
        <translation>Status: die Gesamt-SSE</translation>
    </message>
    <message>
        <source>The total sum of squared errors: for every pattern and every output, the desired output minus the answer, squared, all added up. 0 means every answer is exact.</source>
        <translation>Die gesamte Summe der quadratischen Fehler: Für jedes Muster und jede Ausgabe die gewünschte Ausgabe minus die Antwort, zum Quadrat, alles zusammengezählt. 0 heißt, dass jede Antwort genau stimmt.</translation>
    </message>
    <message>
        <source>Status: how the SSE changed since the last printout</source>
        <translation>Status: wie sich die SSE seit der letzten Zwischenausgabe geändert hat</translation>
    </message>
    <message>
        <source>The change in the total SSE since the last printout, in scientific notation. A positive number means the error fell. While a run goes on, its background is green when the error fell or stayed and red when it rose.</source>
        <translation>Die Änderung der Gesamt-SSE seit der letzten Zwischenausgabe, in wissenschaftlicher Schreibweise. Eine positive Zahl heißt, dass der Fehler gesunken ist. Während ein Lauf geht, ist der Hintergrund grün, wenn der Fehler gesunken oder gleich geblieben ist, und rot, wenn er gestiegen ist.</translation>
    </message>
    <message>
        <source>Status: the hits</source>
        <translation>Status: die Treffer</translation>
    </message>
    <message>
        <source>How many outputs (over all patterns) are hits: squared error below the hit criterion. At the end its background turns green when every output is a hit, red otherwise.</source>
        <translation>Wie viele Ausgaben (über alle Muster) Treffer sind: quadratischer Fehler unter dem Trefferkriterium. Am Ende wird der Hintergrund grün, wenn jede Ausgabe ein Treffer ist, sonst rot.</translation>
    </message>
    <message>
        <source>Status: the misses</source>
        <translation>Status: die Fehltreffer</translation>
    </message>
    <message>
        <source>How many outputs (over all patterns) are misses: squared error at or above the hit criterion.</source>
        <translation>Wie viele Ausgaben (über alle Muster) Fehltreffer sind: quadratischer Fehler gleich dem Trefferkriterium oder darüber.</translation>
    </message>
    <message>
        <source>The epochs done in this run</source>
        <translation>Die erledigten Epochen dieses Laufs</translation>
    </message>
    <message>
        <source>While a run with an epoch limit trains, this bar fills from 0 to the maximum number of epochs.</source>
        <translation>Während ein Lauf mit Epochengrenze trainiert, füllt sich dieser Balken von 0 bis zur Höchstzahl der Epochen.</translation>
    </message>
    <message>
        <source>What this page sets</source>
        <translation>Was diese Seite einstellt</translation>
    </message>
    <message>
        <source>The random starting weights are drawn from the range set below, with the sign chosen below it.</source>
        <translation>Die zufälligen Startgewichte werden aus dem unten eingestellten Bereich gezogen, mit dem darunter gewählten Vorzeichen.</translation>
    </message>
    <message>
        <source>The largest absolute value of a random starting weight. Type a number or use the slider beside it.</source>
        <translation>Der größte Betrag eines zufälligen Startgewichts. Tippen Sie eine Zahl ein oder nutzen Sie den Schieberegler daneben.</translation>
    </message>
    <message>
        <source>Slide to choose the largest starting weight</source>
        <translation>Schieben, um das größte Startgewicht zu wählen</translation>
    </message>
    <message>
        <source>Sets the largest absolute value of a starting weight in the box beside it.</source>
        <translation>Stellt den größten Betrag eines Startgewichts im Feld daneben ein.</translation>
    </message>
    <message>
        <source>The smallest absolute value of a random starting weight. It must not be above the largest. Type a number or use the slider beside it.</source>
        <translation>Der kleinste Betrag eines zufälligen Startgewichts. Er darf nicht über dem größten liegen. Tippen Sie eine Zahl ein oder nutzen Sie den Schieberegler daneben.</translation>
    </message>
    <message>
        <source>Slide to choose the smallest starting weight</source>
        <translation>Schieben, um das kleinste Startgewicht zu wählen</translation>
    </message>
    <message>
        <source>Sets the smallest absolute value of a starting weight in the box beside it.</source>
        <translation>Stellt den kleinsten Betrag eines Startgewichts im Feld daneben ein.</translation>
    </message>
    <message>
        <source>The sign of the starting weights</source>
        <translation>Das Vorzeichen der Startgewichte</translation>
    </message>
    <message>
        <source>Whether the random starting weights may be positive and negative, only positive, or only negative.</source>
        <translation>Ob die zufälligen Startgewichte positiv und negativ, nur positiv oder nur negativ sein dürfen.</translation>
    </message>
    <message>
        <source>Starting weights of either sign</source>
        <translation>Startgewichte mit beiden Vorzeichen</translation>
    </message>
    <message>
        <source>Each starting weight is positive or negative at random.</source>
        <translation>Jedes Startgewicht ist zufällig positiv oder negativ.</translation>
    </message>
    <message>
        <source>Only positive starting weights</source>
        <translation>Nur positive Startgewichte</translation>
    </message>
    <message>
        <source>Every starting weight is positive.</source>
        <translation>Jedes Startgewicht ist positiv.</translation>
    </message>
    <message>
        <source>Only negative starting weights</source>
        <translation>Nur negative Startgewichte</translation>
    </message>
    <message>
        <source>Every starting weight is negative.</source>
        <translation>Jedes Startgewicht ist negativ.</translation>
    </message>
    <message>
        <source>Use these settings and go back</source>
        <translation>Diese Werte verwenden und zurückgehen</translation>
    </message>
    <message>
        <source>Keeps the range and sign chosen here for the next run and returns to the set-up page.</source>
        <translation>Behält den hier gewählten Bereich und das Vorzeichen für den nächsten Lauf und kehrt zur Einstellungsseite zurück.</translation>
    </message>
    <message>
        <source>Go back with the program&apos;s settings</source>
        <translation>Mit den Werten des Programms zurückgehen</translation>
    </message>
    <message>
        <source>Returns to the set-up page with the program&apos;s own starting settings (Escape does the same).</source>
        <translation>Kehrt mit den eigenen Startwerten des Programms zur Einstellungsseite zurück (Escape tut dasselbe).</translation>
    </message>
    <message>
        <source>The random starting thresholds are drawn from the range set below, with the sign chosen below it.</source>
        <translation>Die zufälligen Startschwellen werden aus dem unten eingestellten Bereich gezogen, mit dem darunter gewählten Vorzeichen.</translation>
    </message>
    <message>
        <source>The largest absolute value of a random starting threshold. Type a number or use the slider beside it.</source>
        <translation>Der größte Betrag einer zufälligen Startschwelle. Tippen Sie eine Zahl ein oder nutzen Sie den Schieberegler daneben.</translation>
    </message>
    <message>
        <source>Slide to choose the largest starting threshold</source>
        <translation>Schieben, um die größte Startschwelle zu wählen</translation>
    </message>
    <message>
        <source>Sets the largest absolute value of a starting threshold in the box beside it.</source>
        <translation>Stellt den größten Betrag einer Startschwelle im Feld daneben ein.</translation>
    </message>
    <message>
        <source>The smallest absolute value of a random starting threshold. It must not be above the largest. Type a number or use the slider beside it.</source>
        <translation>Der kleinste Betrag einer zufälligen Startschwelle. Er darf nicht über dem größten liegen. Tippen Sie eine Zahl ein oder nutzen Sie den Schieberegler daneben.</translation>
    </message>
    <message>
        <source>Slide to choose the smallest starting threshold</source>
        <translation>Schieben, um die kleinste Startschwelle zu wählen</translation>
    </message>
    <message>
        <source>Sets the smallest absolute value of a starting threshold in the box beside it.</source>
        <translation>Stellt den kleinsten Betrag einer Startschwelle im Feld daneben ein.</translation>
    </message>
    <message>
        <source>The sign of the starting thresholds</source>
        <translation>Das Vorzeichen der Startschwellen</translation>
    </message>
    <message>
        <source>Whether the random starting thresholds may be positive and negative, only positive, or only negative.</source>
        <translation>Ob die zufälligen Startschwellen positiv und negativ, nur positiv oder nur negativ sein dürfen.</translation>
    </message>
    <message>
        <source>Starting thresholds of either sign</source>
        <translation>Startschwellen mit beiden Vorzeichen</translation>
    </message>
    <message>
        <source>Each starting threshold is positive or negative at random.</source>
        <translation>Jede Startschwelle ist zufällig positiv oder negativ.</translation>
    </message>
    <message>
        <source>Only positive starting thresholds</source>
        <translation>Nur positive Startschwellen</translation>
    </message>
    <message>
        <source>Every starting threshold is positive.</source>
        <translation>Jede Startschwelle ist positiv.</translation>
    </message>
    <message>
        <source>Only negative starting thresholds</source>
        <translation>Nur negative Startschwellen</translation>
    </message>
    <message>
        <source>Every starting threshold is negative.</source>
        <translation>Jede Startschwelle ist negativ.</translation>
    </message>
    <message>
        <source>Ways to examine the trained network</source>
        <translation>Wege, das trainierte Netz zu untersuchen</translation>
    </message>
    <message>
        <source>Double-click an item of the list below (or select it and press Enter) to examine the trained network.</source>
        <translation>Doppelklicken Sie auf einen Eintrag der Liste unten (oder wählen Sie ihn und drücken Sie die Eingabetaste), um das trainierte Netz zu untersuchen.</translation>
    </message>
    <message>
        <source>Double-click an item to examine the network</source>
        <translation>Doppelklicken Sie auf einen Eintrag, um das Netz zu untersuchen</translation>
    </message>
    <message>
        <source>Ways to examine the trained network: probe single patterns, save or export a summary, graph the error, view the weights, save the network, compare the runs kept so far, or count hits and misses.</source>
        <translation>Wege, das trainierte Netz zu untersuchen: einzelne Muster prüfen, eine Zusammenfassung speichern oder exportieren, den Fehler zeichnen, die Gewichte ansehen, das Netz speichern, die bisher behaltenen Läufe vergleichen oder Treffer und Fehltreffer zählen.</translation>
    </message>
    <message>
        <source>Present patterns one at a time and read the answers</source>
        <translation>Muster einzeln zeigen und die Antworten ablesen</translation>
    </message>
    <message>
        <source>Opens the probe page: choose a pattern and see its inputs, the network&apos;s answer, the desired output and the error.</source>
        <translation>Öffnet die Prüfseite: Wählen Sie ein Muster und sehen Sie seine Eingaben, die Antwort des Netzes, die gewünschte Ausgabe und den Fehler.</translation>
    </message>
    <message>
        <source>Build a spreadsheet summary of the run</source>
        <translation>Eine Zusammenfassung des Laufs als Tabelle erstellen</translation>
    </message>
    <message>
        <source>Writes a workbook of seven sheets (general information, responses, errors, weights, SSE history, desired outputs, inputs) and opens it in your spreadsheet program.</source>
        <translation>Schreibt eine Arbeitsmappe mit sieben Blättern (allgemeine Angaben, Antworten, Fehler, Gewichte, SSE-Verlauf, gewünschte Ausgaben, Eingaben) und öffnet sie in Ihrem Tabellenprogramm.</translation>
    </message>
    <message>
        <source>Save a text report of the run</source>
        <translation>Einen Textbericht des Laufs speichern</translation>
    </message>
    <message>
        <source>Opens the save-results page, where you choose a file and the sections of a text report.</source>
        <translation>Öffnet die Seite zum Speichern der Ergebnisse, auf der Sie eine Datei und die Abschnitte eines Textberichts wählen.</translation>
    </message>
    <message>
        <source>Graph the total SSE over the run</source>
        <translation>Die Gesamt-SSE über den Lauf zeichnen</translation>
    </message>
    <message>
        <source>Opens the SSE graph: one bar per recorded total SSE, labelled with its epoch.</source>
        <translation>Öffnet den SSE-Graphen: ein Balken je aufgezeichneter Gesamt-SSE, beschriftet mit ihrer Epoche.</translation>
    </message>
    <message>
        <source>See the weights, the decision plane and the error curve</source>
        <translation>Die Gewichte, die Entscheidungsebene und die Fehlerkurve ansehen</translation>
    </message>
    <message>
        <source>Opens the network view: each unit&apos;s weights as coloured cells, the decision plane of two-input problems, and the error curve. It follows later runs.</source>
        <translation>Öffnet die Netzansicht: die Gewichte jeder Einheit als farbige Zellen, die Entscheidungsebene bei Problemen mit zwei Eingaben und die Fehlerkurve. Sie folgt auch späteren Läufen.</translation>
    </message>
    <message>
        <source>Save the network with its weights and settings</source>
        <translation>Das Netz mit seinen Gewichten und Einstellungen speichern</translation>
    </message>
    <message>
        <source>Saves the trained network (its patterns, settings, weights, SSE history and a note of yours) to a .vnet file that &quot;Open A Saved Network&quot; brings back exactly as it was.</source>
        <translation>Speichert das trainierte Netz (seine Muster, Einstellungen, Gewichte, den SSE-Verlauf und eine Notiz von Ihnen) in eine .vnet-Datei, die „Gespeichertes Netz öffnen“ genau so zurückbringt, wie es war.</translation>
    </message>
    <message>
        <source>Lay the runs of this sitting side by side</source>
        <translation>Die Läufe dieser Sitzung nebeneinanderlegen</translation>
    </message>
    <message>
        <source>Opens the compare page: every run trained since the program started is kept there, with its settings, seed, weights and total SSE after every epoch. Tick two or more to see their error curves on one graph, their settings side by side, their decision planes and their confusion tables.</source>
        <translation>Öffnet die Vergleichsseite: Jeder Lauf, der seit dem Programmstart trainiert wurde, wird dort behalten, mit seinen Einstellungen, seinem Seed, seinen Gewichten und der Gesamt-SSE nach jeder Epoche. Haken Sie zwei oder mehr an, um ihre Fehlerkurven in einem Graphen, ihre Einstellungen nebeneinander, ihre Entscheidungsebenen und ihre Konfusionstabellen zu sehen.</translation>
    </message>
    <message>
        <source>Count the network&apos;s hits and misses</source>
        <translation>Treffer und Fehltreffer des Netzes zählen</translation>
    </message>
    <message>
        <source>Opens the confusion tables: each output unit&apos;s hits and misses and, when every pattern wants exactly one unit on, which class the network answered against the class wanted, with the accuracy. For the training file and for the file the network was last tested on.</source>
        <translation>Öffnet die Konfusionstabellen: Treffer und Fehltreffer jeder Ausgabeeinheit und, wenn jedes Muster genau eine Einheit eingeschaltet haben will, welche Klasse das Netz gegenüber der gewünschten Klasse geantwortet hat, mit der Genauigkeit. Für die Trainingsdatei und für die Datei, mit der das Netz zuletzt getestet wurde.</translation>
    </message>
    <message>
        <source>Status of the spreadsheet export</source>
        <translation>Stand des Tabellen-Exports</translation>
    </message>
    <message>
        <source>While a workbook is built it asks you to be patient; afterwards it says where the file went.</source>
        <translation>Während eine Arbeitsmappe erstellt wird, bittet diese Zeile um Geduld; danach sagt sie, wohin die Datei gegangen ist.</translation>
    </message>
    <message>
        <source>Progress of the spreadsheet export</source>
        <translation>Fortschritt des Tabellen-Exports</translation>
    </message>
    <message>
        <source>Fills while the workbook is being built.</source>
        <translation>Füllt sich, während die Arbeitsmappe erstellt wird.</translation>
    </message>
    <message>
        <source>Ways to go on training</source>
        <translation>Wege, weiterzutrainieren</translation>
    </message>
    <message>
        <source>Double-click an item of the list below (or select it and press Enter) to go on training.</source>
        <translation>Doppelklicken Sie auf einen Eintrag der Liste unten (oder wählen Sie ihn und drücken Sie die Eingabetaste), um weiterzutrainieren.</translation>
    </message>
    <message>
        <source>Double-click an item to go on training</source>
        <translation>Doppelklicken Sie auf einen Eintrag, um weiterzutrainieren</translation>
    </message>
    <message>
        <source>Ways to go on: train again, continue, take a new problem, test on new patterns, open a saved network, or make a training set.</source>
        <translation>Wege, weiterzumachen: neu trainieren, weitertrainieren, ein neues Problem nehmen, mit neuen Mustern testen, ein gespeichertes Netz öffnen oder eine Trainingsmenge erstellen.</translation>
    </message>
    <message>
        <source>Start again from new random weights</source>
        <translation>Mit neuen zufälligen Gewichten neu beginnen</translation>
    </message>
    <message>
        <source>Goes back to the set-up page; Start Training there begins from new random starting weights.</source>
        <translation>Geht zur Einstellungsseite zurück; „Training starten“ beginnt dort mit neuen zufälligen Startgewichten.</translation>
    </message>
    <message>
        <source>Go on training from the weights as they are</source>
        <translation>Mit den Gewichten, wie sie sind, weitertrainieren</translation>
    </message>
    <message>
        <source>Goes back to the set-up page with the totals recomputed for the current weights; Continue Training goes on from them.</source>
        <translation>Geht zur Einstellungsseite zurück, mit den Summen für die aktuellen Gewichte neu berechnet; „Weitertrainieren“ macht von ihnen aus weiter.</translation>
    </message>
    <message>
        <source>Choose another training file</source>
        <translation>Eine andere Trainingsdatei wählen</translation>
    </message>
    <message>
        <source>Goes back to the load-file page to train a new network on another file.</source>
        <translation>Geht zur Ladeseite zurück, um ein neues Netz auf einer anderen Datei zu trainieren.</translation>
    </message>
    <message>
        <source>Test this network on another file&apos;s patterns</source>
        <translation>Dieses Netz mit den Mustern einer anderen Datei testen</translation>
    </message>
    <message>
        <source>Opens the generalization page: read a file with the same numbers of inputs and outputs in place of the training patterns. The weights stay.</source>
        <translation>Öffnet die Seite zur Generalisierung: Lesen Sie eine Datei mit derselben Zahl von Eingaben und Ausgaben anstelle der Trainingsmuster ein. Die Gewichte bleiben.</translation>
    </message>
    <message>
        <source>Open a network saved earlier</source>
        <translation>Ein früher gespeichertes Netz öffnen</translation>
    </message>
    <message>
        <source>Opens a saved network (.vnet file) on the set-up page exactly as it was saved: its patterns, settings, weights and status lines. &quot;Continue Training&quot; goes on from there.</source>
        <translation>Öffnet ein gespeichertes Netz (.vnet-Datei) auf der Einstellungsseite genau so, wie es gespeichert wurde: seine Muster, Einstellungen, Gewichte und Statuszeilen. „Weitertrainieren“ macht von dort aus weiter.</translation>
    </message>
    <message>
        <source>Make or edit a training set</source>
        <translation>Eine Trainingsmenge erstellen oder bearbeiten</translation>
    </message>
    <message>
        <source>Opens the training-set page on the patterns of the file read last.</source>
        <translation>Öffnet die Seite für Trainingsmengen mit den Mustern der zuletzt eingelesenen Datei.</translation>
    </message>
    <message>
        <source>Or end the program</source>
        <translation>Oder das Programm beenden</translation>
    </message>
    <message>
        <source>The button below it ends the program.</source>
        <translation>Die Schaltfläche darunter beendet das Programm.</translation>
    </message>
    <message>
        <source>Close the set-up page and this hub</source>
        <translation>Die Einstellungsseite und diese Testseite schließen</translation>
    </message>
    <message>
        <source>Closes the set-up page and this hub; the pages opened from the hub stay until you close them.</source>
        <translation>Schließt die Einstellungsseite und diese Testseite; die von hier aus geöffneten Seiten bleiben, bis Sie sie schließen.</translation>
    </message>
    <message>
        <source>What this page does</source>
        <translation>Was diese Seite tut</translation>
    </message>
    <message>
        <source>Present single patterns to the trained network and read its answers.</source>
        <translation>Einzelne Muster dem trainierten Netz zeigen und seine Antworten ablesen.</translation>
    </message>
    <message>
        <source>Choose a pattern on the left, then press Ok</source>
        <translation>Links ein Muster wählen, dann OK drücken</translation>
    </message>
    <message>
        <source>Choose a pattern&apos;s number with the box and its arrows to the left, then press Ok.</source>
        <translation>Wählen Sie die Nummer eines Musters mit dem Feld und seinen Pfeilen links, dann drücken Sie OK.</translation>
    </message>
    <message>
        <source>The number of the pattern to present</source>
        <translation>Die Nummer des zu zeigenden Musters</translation>
    </message>
    <message>
        <source>The number of a pattern of the current file, from 1 to the number of patterns. Anything else is refused with a message naming the allowed range.</source>
        <translation>Die Nummer eines Musters der aktuellen Datei, von 1 bis zur Zahl der Muster. Alles andere wird mit einer Meldung abgelehnt, die den erlaubten Bereich nennt.</translation>
    </message>
    <message>
        <source>Next or previous pattern</source>
        <translation>Nächstes oder voriges Muster</translation>
    </message>
    <message>
        <source>Raises or lowers the pattern number in the box to its left.</source>
        <translation>Erhöht oder senkt die Musternummer im Feld links daneben.</translation>
    </message>
    <message>
        <source>Present the pattern and show the result</source>
        <translation>Das Muster zeigen und das Ergebnis anzeigen</translation>
    </message>
    <message>
        <source>Presents the chosen pattern to the network. A block goes to the top of the window below: the pattern&apos;s inputs, each output unit&apos;s answer, the desired output and the error (desired minus answer).</source>
        <translation>Zeigt dem Netz das gewählte Muster. Oben im Fenster darunter erscheint ein Block: die Eingaben des Musters, die Antwort jeder Ausgabeeinheit, die gewünschte Ausgabe und der Fehler (gewünscht minus Antwort).</translation>
    </message>
    <message>
        <source>The results of the patterns probed, newest first</source>
        <translation>Die Ergebnisse der geprüften Muster, das neueste zuerst</translation>
    </message>
    <message>
        <source>One block per pattern probed: its inputs, the network&apos;s response, the desired output and the error of each output unit. You can select and copy the text.</source>
        <translation>Ein Block je geprüftem Muster: seine Eingaben, die Antwort des Netzes, die gewünschte Ausgabe und der Fehler jeder Ausgabeeinheit. Sie können den Text markieren und kopieren.</translation>
    </message>
    <message>
        <source>Empty the results window</source>
        <translation>Das Ergebnisfenster leeren</translation>
    </message>
    <message>
        <source>Removes every result from the window.</source>
        <translation>Entfernt jedes Ergebnis aus dem Fenster.</translation>
    </message>
    <message>
        <source>Print the results</source>
        <translation>Die Ergebnisse drucken</translation>
    </message>
    <message>
        <source>Prints the results on the default printer, headed with the training file&apos;s name (a PDF file where there is no printer).</source>
        <translation>Druckt die Ergebnisse auf dem Standarddrucker, mit dem Namen der Trainingsdatei als Überschrift (eine PDF-Datei, wenn es keinen Drucker gibt).</translation>
    </message>
    <message>
        <source>Close this page</source>
        <translation>Diese Seite schließen</translation>
    </message>
    <message>
        <source>Closes the probe page; it asks first when the window holds results.</source>
        <translation>Schließt die Prüfseite; wenn das Fenster Ergebnisse enthält, fragt sie vorher nach.</translation>
    </message>
    <message>
        <source>Read a new file of patterns and present it to the trained network, to see how well it does on patterns it was not trained on.</source>
        <translation>Eine neue Datei mit Mustern einlesen und dem trainierten Netz zeigen, um zu sehen, wie gut es bei Mustern abschneidet, auf denen es nicht trainiert wurde.</translation>
    </message>
    <message>
        <source>The new file replaces the old one</source>
        <translation>Die neue Datei ersetzt die alte</translation>
    </message>
    <message>
        <source>The new file&apos;s patterns take the place of the training patterns; the weights stay. Its numbers of inputs and outputs must match the network&apos;s.</source>
        <translation>Die Muster der neuen Datei treten an die Stelle der Trainingsmuster; die Gewichte bleiben. Ihre Zahl der Eingaben und Ausgaben muss zu der des Netzes passen.</translation>
    </message>
    <message>
        <source>Double-click a file below to check it</source>
        <translation>Doppelklicken Sie unten auf eine Datei, um sie zu prüfen</translation>
    </message>
    <message>
        <source>Says how to choose the new file: double-click its name in the file list.</source>
        <translation>Sagt, wie Sie die neue Datei wählen: Doppelklicken Sie auf ihren Namen in der Dateiliste.</translation>
    </message>
    <message>
        <source>Files: double-click one to check it against the network</source>
        <translation>Dateien: Doppelklicken Sie auf eine, um sie mit dem Netz abzugleichen</translation>
    </message>
    <message>
        <source>The files (names ending in .net) in the chosen folder. Double-click one to see its numbers; when its inputs and outputs match the network&apos;s, &quot;Read The New File&quot; becomes available.</source>
        <translation>Die Dateien (Namen mit der Endung .net) im gewählten Ordner. Doppelklicken Sie auf eine, um ihre Zahlen zu sehen; wenn ihre Eingaben und Ausgaben zu denen des Netzes passen, wird „Neue Datei einlesen“ verfügbar.</translation>
    </message>
    <message>
        <source>The name of the new file you double-clicked.</source>
        <translation>Der Name der neuen Datei, die Sie doppelt angeklickt haben.</translation>
    </message>
    <message>
        <source>Put the new file&apos;s patterns in place of the old</source>
        <translation>Die Muster der neuen Datei anstelle der alten einsetzen</translation>
    </message>
    <message>
        <source>Reads the new file&apos;s patterns into the network in place of the training patterns. The weights stay, so the probe, graph and save pages now show how the network does on them.</source>
        <translation>Liest die Muster der neuen Datei anstelle der Trainingsmuster in das Netz ein. Die Gewichte bleiben, sodass die Seiten zum Prüfen, Zeichnen und Speichern jetzt zeigen, wie das Netz bei ihnen abschneidet.</translation>
    </message>
    <message>
        <source>Closes the page and changes nothing unless the new file was read.</source>
        <translation>Schließt die Seite und ändert nichts, außer die neue Datei wurde eingelesen.</translation>
    </message>
    <message>
        <source>The total SSE at every printout of the run</source>
        <translation>Die Gesamt-SSE bei jeder Zwischenausgabe des Laufs</translation>
    </message>
    <message>
        <source>One bar per recorded total SSE (sum of squared errors over all patterns and outputs), labelled with the epoch it was recorded at. A curve that falls to near 0 shows the network learning; one that stays high shows it cannot.</source>
        <translation>Ein Balken je aufgezeichneter Gesamt-SSE (Summe der quadratischen Fehler über alle Muster und Ausgaben), beschriftet mit der Epoche, in der sie aufgezeichnet wurde. Eine Kurve, die bis nahe 0 fällt, zeigt, dass das Netz lernt; eine, die hoch bleibt, zeigt, dass es nicht lernen kann.</translation>
    </message>
    <message>
        <source>How to work with the numbers</source>
        <translation>Wie Sie mit den Zahlen arbeiten</translation>
    </message>
    <message>
        <source>Says how to get the numbers behind the graph: &quot;Create A Summary In Excel&quot; on the hub writes them to a sheet of the workbook (the text report&apos;s SSE section holds them too), to chart in other programs.</source>
        <translation>Sagt, wie Sie an die Zahlen hinter dem Graphen kommen: „Zusammenfassung in Excel erstellen“ auf der Testseite schreibt sie in ein Blatt der Arbeitsmappe (auch der SSE-Abschnitt des Textberichts enthält sie), um sie in anderen Programmen als Diagramm darzustellen.</translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation>Den Graphen drucken</translation>
    </message>
    <message>
        <source>Copies the graph to the clipboard and prints it on the default printer (a PDF file where there is no printer).</source>
        <translation>Kopiert den Graphen in die Zwischenablage und druckt ihn auf dem Standarddrucker (eine PDF-Datei, wenn es keinen Drucker gibt).</translation>
    </message>
    <message>
        <source>Closes the graph.</source>
        <translation>Schließt den Graphen.</translation>
    </message>
    <message>
        <source>The title of the program. On this page you save a text report of the run.</source>
        <translation>Der Titel des Programms. Auf dieser Seite speichern Sie einen Textbericht des Laufs.</translation>
    </message>
    <message>
        <source>Choose where to save, then the file&apos;s name</source>
        <translation>Wählen Sie, wo gespeichert wird, dann den Namen der Datei</translation>
    </message>
    <message>
        <source>Choose a folder with the lists below, then click an existing .txt file or make a new name.</source>
        <translation>Wählen Sie mit den Listen unten einen Ordner, dann klicken Sie auf eine vorhandene .txt-Datei oder legen einen neuen Namen an.</translation>
    </message>
    <message>
        <source>Tick the sections the report should hold</source>
        <translation>Haken Sie die Abschnitte an, die der Bericht enthalten soll</translation>
    </message>
    <message>
        <source>The boxes below choose the sections of the report. They are written in a fixed order whatever you tick.</source>
        <translation>Die Kästchen unten wählen die Abschnitte des Berichts. Sie werden immer in derselben Reihenfolge geschrieben, egal was Sie anhaken.</translation>
    </message>
    <message>
        <source>Text files: click one to save to it</source>
        <translation>Textdateien: Klicken Sie auf eine, um in sie zu speichern</translation>
    </message>
    <message>
        <source>The .txt files of the chosen folder. Click one to save the report to it (it is replaced only after you answer Yes).</source>
        <translation>Die .txt-Dateien des gewählten Ordners. Klicken Sie auf eine, um den Bericht in sie zu speichern (sie wird erst ersetzt, wenn Sie mit Ja antworten).</translation>
    </message>
    <message>
        <source>Make a new folder here</source>
        <translation>Hier einen neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>Asks for a name and makes a new folder in the folder shown.</source>
        <translation>Fragt nach einem Namen und legt im gezeigten Ordner einen neuen Ordner an.</translation>
    </message>
    <message>
        <source>Type the name of a new file</source>
        <translation>Den Namen einer neuen Datei eintippen</translation>
    </message>
    <message>
        <source>Asks for a new file name; .txt is added unless the name ends in exactly .txt.</source>
        <translation>Fragt nach einem neuen Dateinamen; .txt wird angehängt, außer der Name endet genau auf .txt.</translation>
    </message>
    <message>
        <source>Section: the training settings</source>
        <translation>Abschnitt: die Trainingseinstellungen</translation>
    </message>
    <message>
        <source>The general information: the training file, the date, the learning rule, the learning rate, the epochs and the other settings of the run.</source>
        <translation>Die allgemeinen Angaben: die Trainingsdatei, das Datum, die Lernregel, die Lernrate, die Epochen und die anderen Einstellungen des Laufs.</translation>
    </message>
    <message>
        <source>Section: every output&apos;s answer to every pattern</source>
        <translation>Abschnitt: die Antwort jeder Ausgabe auf jedes Muster</translation>
    </message>
    <message>
        <source>The network responses: the answer of every output unit to every pattern.</source>
        <translation>Die Antworten des Netzes: die Antwort jeder Ausgabeeinheit auf jedes Muster.</translation>
    </message>
    <message>
        <source>Section: the errors</source>
        <translation>Abschnitt: die Fehler</translation>
    </message>
    <message>
        <source>The network errors: the total error and the error of every output unit for every pattern.</source>
        <translation>Die Fehler des Netzes: der Gesamtfehler und der Fehler jeder Ausgabeeinheit für jedes Muster.</translation>
    </message>
    <message>
        <source>Section: the weights and thresholds</source>
        <translation>Abschnitt: die Gewichte und Schwellen</translation>
    </message>
    <message>
        <source>The connection weights: each output unit&apos;s type and threshold, and the table of weights from every input to every output.</source>
        <translation>Die Verbindungsgewichte: Art und Schwelle jeder Ausgabeeinheit und die Tabelle der Gewichte von jeder Eingabe zu jeder Ausgabe.</translation>
    </message>
    <message>
        <source>Section: the input patterns</source>
        <translation>Abschnitt: die Eingabemuster</translation>
    </message>
    <message>
        <source>The input patterns of the file.</source>
        <translation>Die Eingabemuster der Datei.</translation>
    </message>
    <message>
        <source>Section: the desired outputs</source>
        <translation>Abschnitt: die gewünschten Ausgaben</translation>
    </message>
    <message>
        <source>The output patterns: the desired output of every unit for every pattern.</source>
        <translation>Die Ausgabemuster: die gewünschte Ausgabe jeder Einheit für jedes Muster.</translation>
    </message>
    <message>
        <source>Section: the SSE history</source>
        <translation>Abschnitt: der SSE-Verlauf</translation>
    </message>
    <message>
        <source>The total SSE recorded at every printout, against the epoch it was recorded at: the numbers behind the SSE graph.</source>
        <translation>Die Gesamt-SSE, aufgezeichnet bei jeder Zwischenausgabe, zusammen mit der Epoche, in der sie aufgezeichnet wurde: die Zahlen hinter dem SSE-Graphen.</translation>
    </message>
    <message>
        <source>The file the report goes to</source>
        <translation>Die Datei, in die der Bericht geht</translation>
    </message>
    <message>
        <source>The heading of the line below, which names the file the report will be written to.</source>
        <translation>Die Überschrift der Zeile darunter, die die Datei nennt, in die der Bericht geschrieben wird.</translation>
    </message>
    <message>
        <source>The file chosen; green once written</source>
        <translation>Die gewählte Datei; grün, sobald geschrieben</translation>
    </message>
    <message>
        <source>The full name of the file chosen. It turns green when the report has been written.</source>
        <translation>Der volle Name der gewählten Datei. Der Name wird grün, wenn der Bericht geschrieben wurde.</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>Den Bericht schreiben</translation>
    </message>
    <message>
        <source>Writes the report with the ticked sections to the file named above. An existing file is replaced only after you answer Yes.</source>
        <translation>Schreibt den Bericht mit den angehakten Abschnitten in die oben genannte Datei. Eine vorhandene Datei wird erst ersetzt, wenn Sie mit Ja antworten.</translation>
    </message>
    <message>
        <source>Closes the page. The file chosen is remembered while the program runs.</source>
        <translation>Schließt die Seite. Die gewählte Datei bleibt gemerkt, solange das Programm läuft.</translation>
    </message>
    <message>
        <source>What this page shows</source>
        <translation>Was diese Seite zeigt</translation>
    </message>
    <message>
        <source>Three pictures of the network on the tabs below: its weights, its decisions and its error curve. They follow the runs while the page is open.</source>
        <translation>Drei Bilder des Netzes auf den Reitern unten: seine Gewichte, seine Entscheidungen und seine Fehlerkurve. Sie folgen den Läufen, solange die Seite offen ist.</translation>
    </message>
    <message>
        <source>The network shown and where its run stands</source>
        <translation>Das gezeigte Netz und wo sein Lauf steht</translation>
    </message>
    <message>
        <source>The training file of the network the pictures show, its numbers of patterns, inputs and outputs and its rule, and after training the epoch, the total SSE and the misses.</source>
        <translation>Die Trainingsdatei des Netzes, das die Bilder zeigen, seine Zahl von Mustern, Eingaben und Ausgaben und seine Regel, und nach dem Training die Epoche, die Gesamt-SSE und die Fehltreffer.</translation>
    </message>
    <message>
        <source>Three pictures of the network</source>
        <translation>Drei Bilder des Netzes</translation>
    </message>
    <message>
        <source>Weights (Alt+W): every unit&apos;s weights as coloured cells. Decisions (Alt+D): the input plane of a two-input problem, shaded by a unit&apos;s answer. Error Curve (Alt+E): the total SSE over the epochs.</source>
        <translation>Gewichte (Alt+G): die Gewichte jeder Einheit als farbige Zellen. Entscheidungen (Alt+E): die Eingabeebene eines Problems mit zwei Eingaben, schattiert nach der Antwort einer Einheit. Fehlerkurve (Alt+F): die Gesamt-SSE über die Epochen.</translation>
    </message>
    <message>
        <source>Each output unit&apos;s weights as coloured cells</source>
        <translation>Die Gewichte jeder Ausgabeeinheit als farbige Zellen</translation>
    </message>
    <message>
        <source>One grid of cells per output unit, one cell per input weight, with the unit&apos;s threshold in the cell to the right. Dark blue is negative, grey near 0, light orange positive.</source>
        <translation>Ein Raster aus Zellen je Ausgabeeinheit, eine Zelle je Eingabegewicht, mit der Schwelle der Einheit in der Zelle rechts daneben. Dunkelblau ist negativ, Grau nahe 0, Hellorange positiv.</translation>
    </message>
    <message>
        <source>Lays each unit&apos;s weights out as a picture so many cells wide: letters.net opens at 5, the 5 by 7 grid of its letters. The width is kept for each file until the program ends.</source>
        <translation>Legt die Gewichte jeder Einheit als Bild aus, so viele Zellen breit: letters.net öffnet mit 5, dem 5-mal-7-Raster seiner Buchstaben. Die Breite wird für jede Datei behalten, bis das Programm endet.</translation>
    </message>
    <message>
        <source>The input and weight of the cell pointed at</source>
        <translation>Eingabe und Gewicht der Zelle unter dem Zeiger</translation>
    </message>
    <message>
        <source>Point at a cell, or tab to the picture and use the arrow keys (Page Up and Page Down change unit): this line names the unit, the input and the weight&apos;s value.</source>
        <translation>Zeigen Sie auf eine Zelle oder gehen Sie mit Tab zum Bild und nutzen Sie die Pfeiltasten (Bild auf und Bild ab wechseln die Einheit): Diese Zeile nennt die Einheit, die Eingabe und den Wert des Gewichts.</translation>
    </message>
    <message>
        <source>Colour each unit from its own lowest to highest weight</source>
        <translation>Jede Einheit von ihrem eigenen kleinsten bis größten Gewicht einfärben</translation>
    </message>
    <message>
        <source>Unticked, every unit shares one colour scale, so you can compare units. Ticked, each unit is coloured from its own lowest weight to its highest, and the shape a unit has learned stands out even when most of its weights are negative.</source>
        <translation>Ohne Haken teilen sich alle Einheiten eine Farbskala, sodass Sie Einheiten vergleichen können. Mit Haken wird jede Einheit von ihrem eigenen kleinsten bis zu ihrem größten Gewicht eingefärbt, und die Form, die eine Einheit gelernt hat, hebt sich ab, auch wenn die meisten ihrer Gewichte negativ sind.</translation>
    </message>
    <message>
        <source>Each output unit&apos;s weights: blue negative, orange positive</source>
        <translation>Die Gewichte jeder Ausgabeeinheit: blau negativ, orange positiv</translation>
    </message>
    <message>
        <source>The weights of every output unit as a grid, the threshold to the right of each grid. The scale above shows which colour is which value. Point at a cell to read it; with the focus here, the arrow keys move from cell to cell.</source>
        <translation>Die Gewichte jeder Ausgabeeinheit als Raster, die Schwelle rechts von jedem Raster. Die Skala darüber zeigt, welche Farbe welcher Wert ist. Zeigen Sie auf eine Zelle, um sie abzulesen; liegt der Fokus hier, wandern die Pfeiltasten von Zelle zu Zelle.</translation>
    </message>
    <message>
        <source>The input plane and where a unit changes its answer</source>
        <translation>Die Eingabeebene und wo eine Einheit ihre Antwort wechselt</translation>
    </message>
    <message>
        <source>For files with exactly two inputs: the plane of both inputs, shaded by the chosen unit&apos;s answer, with its boundary and each pattern as a disc.</source>
        <translation>Für Dateien mit genau zwei Eingaben: die Ebene beider Eingaben, schattiert nach der Antwort der gewählten Einheit, mit ihrer Grenze und jedem Muster als Scheibe.</translation>
    </message>
    <message>
        <source>The output unit drawn on the plane</source>
        <translation>Die auf der Ebene gezeichnete Ausgabeeinheit</translation>
    </message>
    <message>
        <source>Chooses which output unit&apos;s answers shade the decision plane.</source>
        <translation>Wählt, welche Ausgabeeinheit mit ihren Antworten die Entscheidungsebene schattiert.</translation>
    </message>
    <message>
        <source>The plane shaded by the unit&apos;s answer; missed patterns ringed</source>
        <translation>Die Ebene, schattiert nach der Antwort der Einheit; verfehlte Muster umringt</translation>
    </message>
    <message>
        <source>Each point of the plane of the two inputs is shaded by the unit&apos;s answer there. The line is the boundary where its answer changes (a Gaussian unit has two, the edges of its band). Black discs want 1, white discs want 0; a disc ringed in magenta is missed. A step unit always misses a pattern of XOR.</source>
        <translation>Jeder Punkt der Ebene der beiden Eingaben ist nach der Antwort der Einheit an dieser Stelle schattiert. Die Linie ist die Grenze, an der ihre Antwort wechselt (eine Gauß-Einheit hat zwei, die Ränder ihres Streifens). Schwarze Scheiben sollen 1 ergeben, weiße Scheiben 0; eine magentafarben umringte Scheibe ist verfehlt. Eine Stufeneinheit verfehlt bei XOR immer ein Muster.</translation>
    </message>
    <message>
        <source>Why there is no decision plane</source>
        <translation>Warum es keine Entscheidungsebene gibt</translation>
    </message>
    <message>
        <source>Says why the plane is not drawn: the plane needs a file with exactly two inputs (AND, OR, XOR) and a trained network.</source>
        <translation>Sagt, warum die Ebene nicht gezeichnet wird: Die Ebene braucht eine Datei mit genau zwei Eingaben (AND, OR, XOR) und ein trainiertes Netz.</translation>
    </message>
    <message>
        <source>The total SSE over the epochs</source>
        <translation>Die Gesamt-SSE über die Epochen</translation>
    </message>
    <message>
        <source>The recorded total SSE against the epochs, on a linear or logarithmic scale.</source>
        <translation>Die aufgezeichnete Gesamt-SSE über den Epochen, auf einer linearen oder logarithmischen Skala.</translation>
    </message>
    <message>
        <source>Show the SSE on a logarithmic scale</source>
        <translation>Die SSE auf einer logarithmischen Skala zeigen</translation>
    </message>
    <message>
        <source>Ticked, each step up the scale is ten times the one below, so the slow last part of learning shows; a total of 0 gets a line of its own below the lowest decade.</source>
        <translation>Mit Haken ist jede Stufe der Skala zehnmal so groß wie die darunter, sodass der langsame letzte Teil des Lernens sichtbar wird; eine Summe von 0 bekommt eine eigene Linie unter der untersten Dekade.</translation>
    </message>
    <message>
        <source>The learning curve: the total SSE recorded at every printout, against the epoch. It falls as the network learns and levels off when it can learn no more.</source>
        <translation>Die Lernkurve: die bei jeder Zwischenausgabe aufgezeichnete Gesamt-SSE über der Epoche. Sie fällt, während das Netz lernt, und flacht ab, wenn es nichts mehr lernen kann.</translation>
    </message>
    <message>
        <source>Print the picture shown</source>
        <translation>Das gezeigte Bild drucken</translation>
    </message>
    <message>
        <source>Prints the picture on the current tab (a PDF file where there is no printer).</source>
        <translation>Druckt das Bild auf dem aktuellen Reiter (eine PDF-Datei, wenn es keinen Drucker gibt).</translation>
    </message>
    <message>
        <source>Save the picture shown as PNG or SVG</source>
        <translation>Das gezeigte Bild als PNG oder SVG speichern</translation>
    </message>
    <message>
        <source>Saves the picture on the current tab; a name ending in .svg gives a drawing, any other a PNG image.</source>
        <translation>Speichert das Bild auf dem aktuellen Reiter; ein Name mit der Endung .svg ergibt eine Zeichnung, jeder andere ein PNG-Bild.</translation>
    </message>
    <message>
        <source>Closes the network view.</source>
        <translation>Schließt die Netzansicht.</translation>
    </message>
    <message>
        <source>Presents the next pattern, applies the learning rule once and holds the run there. With no run going, it starts one.</source>
        <translation>Zeigt das nächste Muster, wendet die Lernregel einmal an und hält den Lauf dort an. Läuft kein Lauf, startet es einen.</translation>
    </message>
    <message>
        <source>Goes on to the end of the epoch (the pass through all the patterns) and holds the run there.</source>
        <translation>Macht bis zum Ende der Epoche (dem Durchgang durch alle Muster) weiter und hält den Lauf dort an.</translation>
    </message>
    <message>
        <source>Lets the run go on, at the speed chosen below.</source>
        <translation>Lässt den Lauf weitergehen, mit dem unten gewählten Tempo.</translation>
    </message>
    <message>
        <source>Holds the run after the pattern it is on; a step then goes on from there.</source>
        <translation>Hält den Lauf nach dem aktuellen Muster an; ein Schritt macht dann von dort aus weiter.</translation>
    </message>
    <message>
        <source>How fast a run goes: as fast as possible down to 1 pattern a second</source>
        <translation>Wie schnell ein Lauf geht: so schnell wie möglich bis hinunter zu 1 Muster pro Sekunde</translation>
    </message>
    <message>
        <source>Slows a run from as fast as possible down to 100, 30, 10, 3 or 1 patterns a second, so you can watch the boundary move.</source>
        <translation>Verlangsamt einen Lauf von so schnell wie möglich bis auf 100, 30, 10, 3 oder 1 Muster pro Sekunde, damit Sie zusehen können, wie sich die Grenze bewegt.</translation>
    </message>
    <message>
        <source>The speed chosen</source>
        <translation>Das gewählte Tempo</translation>
    </message>
    <message>
        <source>The speed the slider sets, in patterns a second.</source>
        <translation>Das Tempo, das der Schieberegler einstellt, in Mustern pro Sekunde.</translation>
    </message>
    <message>
        <source>Where the run stands: epoch and pattern</source>
        <translation>Wo der Lauf steht: Epoche und Muster</translation>
    </message>
    <message>
        <source>The epoch and the pattern the last step presented, with its place in the epoch&apos;s order, the rule and the learning rate.</source>
        <translation>Die Epoche und das Muster, das der letzte Schritt gezeigt hat, mit seinem Platz in der Reihenfolge der Epoche, der Regel und der Lernrate.</translation>
    </message>
    <message>
        <source>The output unit whose step is written out</source>
        <translation>Die Ausgabeeinheit, deren Schritt ausgeschrieben wird</translation>
    </message>
    <message>
        <source>Chooses which output unit&apos;s arithmetic the window writes out (for the letters, one of 26).</source>
        <translation>Wählt, für welche Ausgabeeinheit das Fenster die Rechnung ausschreibt (bei den Buchstaben eine von 26).</translation>
    </message>
    <message>
        <source>What the other output units did</source>
        <translation>Was die anderen Ausgabeeinheiten getan haben</translation>
    </message>
    <message>
        <source>A line that sums up how many of the other output units changed their weights at this step.</source>
        <translation>Eine Zeile, die zusammenfasst, wie viele der anderen Ausgabeeinheiten bei diesem Schritt ihre Gewichte geändert haben.</translation>
    </message>
    <message>
        <source>The last step in the rule&apos;s own formula</source>
        <translation>Der letzte Schritt in der Formel der Regel</translation>
    </message>
    <message>
        <source>The step written out with the numbers the run used: the net input, the answer (activation), the error, the rule&apos;s coefficient c, and each weight&apos;s change c times its input, with its value before and after. An overflow of the Gaussian rule is said here.</source>
        <translation>Der Schritt, ausgeschrieben mit den Zahlen, die der Lauf verwendet hat: die Netzeingabe, die Antwort (Aktivierung), der Fehler, der Koeffizient c der Regel und die Änderung jedes Gewichts, c mal seine Eingabe, mit seinem Wert vorher und nachher. Ein Überlauf der Gauß-Regel wird hier gemeldet.</translation>
    </message>
    <message>
        <source>Every weight and the threshold, before and after the step</source>
        <translation>Jedes Gewicht und die Schwelle, vor und nach dem Schritt</translation>
    </message>
    <message>
        <source>One row per weight and one for the threshold of the unit chosen, before and after the last step; the ones that changed are in bold and marked (changed).</source>
        <translation>Eine Zeile je Gewicht und eine für die Schwelle der gewählten Einheit, vor und nach dem letzten Schritt; die geänderten sind fett und mit (geändert) markiert.</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Closes the window; a held or slowed run goes on at full speed.</source>
        <translation>Schließt das Fenster; ein angehaltener oder verlangsamter Lauf geht mit voller Geschwindigkeit weiter.</translation>
    </message>
    <message>
        <source>What this window does</source>
        <translation>Was dieses Fenster tut</translation>
    </message>
    <message>
        <source>Trains the set-up page&apos;s settings once from each seed of a range, to show how much the outcome depends on the starting weights. The page and its network stay as they are.</source>
        <translation>Trainiert die Einstellungen der Einstellungsseite einmal mit jedem Seed eines Bereichs, um zu zeigen, wie sehr das Ergebnis von den Startgewichten abhängt. Die Seite und ihr Netz bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The first seed of the range</source>
        <translation>Der erste Seed des Bereichs</translation>
    </message>
    <message>
        <source>The seed of the first run; the next runs take the seeds after it.</source>
        <translation>Der Seed des ersten Laufs; die nächsten Läufe nehmen die Seeds danach.</translation>
    </message>
    <message>
        <source>How many seeds to run</source>
        <translation>Wie viele Seeds laufen sollen</translation>
    </message>
    <message>
        <source>How many runs, one per seed (up to 100000).</source>
        <translation>Wie viele Läufe, einer je Seed (bis zu 100000).</translation>
    </message>
    <message>
        <source>Run the settings once from each seed</source>
        <translation>Die Einstellungen einmal mit jedem Seed laufen lassen</translation>
    </message>
    <message>
        <source>Starts the runs on every core. Each line is the run Start Training gives with that seed in the seed box.</source>
        <translation>Startet die Läufe auf allen Prozessorkernen. Jede Zeile ist der Lauf, den „Training starten“ mit diesem Seed im Seed-Feld ergibt.</translation>
    </message>
    <message>
        <source>Stop the runs</source>
        <translation>Die Läufe stoppen</translation>
    </message>
    <message>
        <source>Ends the runs under way after their current epoch and keeps the lines of those that ended.</source>
        <translation>Beendet die laufenden Läufe nach ihrer aktuellen Epoche und behält die Zeilen der beendeten.</translation>
    </message>
    <message>
        <source>The runs done</source>
        <translation>Die erledigten Läufe</translation>
    </message>
    <message>
        <source>Fills as the runs end.</source>
        <translation>Füllt sich, während die Läufe enden.</translation>
    </message>
    <message>
        <source>One line per seed: epochs, all hits, total SSE, hits</source>
        <translation>Eine Zeile je Seed: Epochen, alle Treffer, Gesamt-SSE, Treffer</translation>
    </message>
    <message>
        <source>For each seed: how many epochs its run took, whether it reached all hits, its total SSE and its hits.</source>
        <translation>Für jeden Seed: wie viele Epochen sein Lauf gebraucht hat, ob er „alle Treffer“ erreicht hat, seine Gesamt-SSE und seine Treffer.</translation>
    </message>
    <message>
        <source>How many runs reached all hits, and how fast</source>
        <translation>Wie viele Läufe „alle Treffer“ erreicht haben, und wie schnell</translation>
    </message>
    <message>
        <source>How many runs reached all hits, with the median, fewest and most epochs they took.</source>
        <translation>Wie viele Läufe „alle Treffer“ erreicht haben, mit dem Median, der kleinsten und der größten Zahl von Epochen, die sie gebraucht haben.</translation>
    </message>
    <message>
        <source>Save the table as a CSV file</source>
        <translation>Die Tabelle als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>Writes the table to a CSV file (seed, epochs, all hits, total SSE, hits and the responses), the same columns the trainer&apos;s --seeds-csv writes, so the two files of the same seeds are the same bytes. It can be pressed once a run has ended.</source>
        <translation>Schreibt die Tabelle in eine CSV-Datei (Seed, Epochen, alle Treffer, Gesamt-SSE, Treffer und die Antworten), mit denselben Spalten, die --seeds-csv des Trainers schreibt, sodass die beiden Dateien derselben Seeds Byte für Byte gleich sind. Die Schaltfläche geht, sobald ein Lauf beendet ist.</translation>
    </message>
    <message>
        <source>Closes the window; runs still going stop.</source>
        <translation>Schließt das Fenster; noch laufende Läufe stoppen.</translation>
    </message>
    <message>
        <source>Make a training set of your own, or edit the one read last, and save it as a training file.</source>
        <translation>Erstellen Sie eine eigene Trainingsmenge oder bearbeiten Sie die zuletzt eingelesene, und speichern Sie sie als Trainingsdatei.</translation>
    </message>
    <message>
        <source>Three ways to work on the same set</source>
        <translation>Drei Wege, an derselben Menge zu arbeiten</translation>
    </message>
    <message>
        <source>Table (Alt+A), Draw (Alt+D) and Import CSV (Alt+C) show the same set: a change made on one is seen on the others and undone from any of them.</source>
        <translation>Tabelle (Alt+A), Zeichnen (Alt+N) und CSV importieren (Alt+C) zeigen dieselbe Menge: Eine Änderung auf einem ist auf den anderen zu sehen und kann von jedem aus rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The set as a table of numbers</source>
        <translation>Die Menge als Zahlentabelle</translation>
    </message>
    <message>
        <source>One row per pattern: its inputs, then its desired outputs. Type into the cells, paste from a spreadsheet, add or delete rows and columns.</source>
        <translation>Eine Zeile je Muster: seine Eingaben, dann seine gewünschten Ausgaben. Tippen Sie in die Zellen, fügen Sie aus einer Tabellenkalkulation ein, fügen Sie Zeilen und Spalten hinzu oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>The set as points on the plane</source>
        <translation>Die Menge als Punkte auf der Ebene</translation>
    </message>
    <message>
        <source>For sets of two inputs: each pattern is a point on the plane of input 1 and input 2. Click to add points, drag them, right-click to remove them.</source>
        <translation>Für Mengen mit zwei Eingaben: Jedes Muster ist ein Punkt auf der Ebene von Eingabe 1 und Eingabe 2. Klicken Sie, um Punkte hinzuzufügen, ziehen Sie sie, und entfernen Sie sie mit einem Rechtsklick.</translation>
    </message>
    <message>
        <source>Read the patterns from a CSV file</source>
        <translation>Die Muster aus einer CSV-Datei lesen</translation>
    </message>
    <message>
        <source>Open a CSV file, say what each column is, and import it into the table.</source>
        <translation>Öffnen Sie eine CSV-Datei, sagen Sie, wofür jede Spalte steht, und importieren Sie sie in die Tabelle.</translation>
    </message>
    <message>
        <source>The desired outputs of the points you add</source>
        <translation>Die gewünschten Ausgaben der Punkte, die Sie hinzufügen</translation>
    </message>
    <message>
        <source>With one output, a new point wants 0 or 1; with more, it belongs to a class: 1 from its output and 0 from the others.</source>
        <translation>Mit einer Ausgabe soll ein neuer Punkt 0 oder 1 ergeben; mit mehreren gehört er zu einer Klasse: 1 von ihrer Ausgabe und 0 von den anderen.</translation>
    </message>
    <message>
        <source>Click to add a point, drag to move it, right-click to remove it</source>
        <translation>Klicken fügt einen Punkt hinzu, Ziehen verschiebt ihn, Rechtsklick entfernt ihn</translation>
    </message>
    <message>
        <source>Each pattern is a point at its two inputs; the classes differ in colour and in shape. Click an empty place to add a point, drag a point to move it, right-click it (or click it and press Delete) to remove it. When the program holds a network of the same size, the plane is shaded by its answer, with its boundary, and the points it misses are ringed.</source>
        <translation>Jedes Muster ist ein Punkt an der Stelle seiner zwei Eingaben; die Klassen unterscheiden sich in Farbe und Form. Klicken Sie auf eine freie Stelle, um einen Punkt hinzuzufügen, ziehen Sie einen Punkt, um ihn zu verschieben, und klicken Sie ihn mit rechts an (oder klicken Sie ihn an und drücken Sie Entf), um ihn zu entfernen. Hat das Programm ein Netz derselben Größe, ist die Ebene nach seiner Antwort schattiert, mit seiner Grenze, und die Punkte, die es verfehlt, sind umringt.</translation>
    </message>
    <message>
        <source>Choose a CSV file to import</source>
        <translation>Eine CSV-Datei zum Importieren wählen</translation>
    </message>
    <message>
        <source>Opens a CSV file and shows its first 20 rows in the grid below, with the delimiter, header and decimal mark guessed.</source>
        <translation>Öffnet eine CSV-Datei und zeigt ihre ersten 20 Zeilen im Raster darunter, wobei Trennzeichen, Kopfzeile und Dezimalzeichen geraten werden.</translation>
    </message>
    <message>
        <source>The CSV file chosen</source>
        <translation>Die gewählte CSV-Datei</translation>
    </message>
    <message>
        <source>The name of the CSV file shown in the grid below.</source>
        <translation>Der Name der CSV-Datei, die im Raster darunter gezeigt wird.</translation>
    </message>
    <message>
        <source>The character between the cells</source>
        <translation>Das Zeichen zwischen den Zellen</translation>
    </message>
    <message>
        <source>The delimiter of the file&apos;s cells: comma, semicolon, tab or bar, or guessed from the first row.</source>
        <translation>Das Trennzeichen zwischen den Zellen der Datei: Komma, Semikolon, Tabulator oder Strich, oder aus der ersten Zeile geraten.</translation>
    </message>
    <message>
        <source>Whether the first row names the columns</source>
        <translation>Ob die erste Zeile die Spalten benennt</translation>
    </message>
    <message>
        <source>Guessed: the first row is a header when a cell of an input or output column is not a number. Choose here when the guess is wrong.</source>
        <translation>Automatisch: Die erste Zeile ist eine Kopfzeile, wenn eine Zelle einer Eingabe- oder Ausgabespalte keine Zahl ist. Wählen Sie hier, wenn die Vermutung falsch ist.</translation>
    </message>
    <message>
        <source>Decimal points or decimal commas</source>
        <translation>Dezimalpunkt oder Dezimalkomma</translation>
    </message>
    <message>
        <source>Whether the file&apos;s numbers are written 1.5 or 1,5.</source>
        <translation>Ob die Zahlen der Datei als 1.5 oder als 1,5 geschrieben sind.</translation>
    </message>
    <message>
        <source>The file&apos;s first rows; choose in the first row what each column is</source>
        <translation>Die ersten Zeilen der Datei; wählen Sie in der ersten Zeile, wofür jede Spalte steht</translation>
    </message>
    <message>
        <source>The first 20 rows of the file. The boxes in the first row say what each column is: Input, Output, Class (one output per value of the column) or Ignored.</source>
        <translation>Die ersten 20 Zeilen der Datei. Die Felder in der ersten Zeile sagen, wofür jede Spalte steht: Eingabe, Ausgabe, Klasse (eine Ausgabe je Wert der Spalte) oder Ignoriert.</translation>
    </message>
    <message>
        <source>What the import made of the file</source>
        <translation>Was der Import aus der Datei gemacht hat</translation>
    </message>
    <message>
        <source>Says how many patterns, inputs and outputs the file gives and, for a class column, which output stands for which class.</source>
        <translation>Sagt, wie viele Muster, Eingaben und Ausgaben die Datei ergibt und, bei einer Klassenspalte, welche Ausgabe für welche Klasse steht.</translation>
    </message>
    <message>
        <source>Put the whole file into the table</source>
        <translation>Die ganze Datei in die Tabelle übernehmen</translation>
    </message>
    <message>
        <source>Reads the whole file as chosen and puts its patterns in the table as one step to undo. A file that cannot be used is refused with a message naming the row and the column, and the table stays as it was.</source>
        <translation>Liest die ganze Datei wie gewählt und setzt ihre Muster in die Tabelle, als ein Schritt zum Rückgängigmachen. Eine Datei, die nicht verwendet werden kann, wird mit einer Meldung abgelehnt, die Zeile und Spalte nennt, und die Tabelle bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Add a pattern under the selected one</source>
        <translation>Ein Muster unter dem gewählten einfügen</translation>
    </message>
    <message>
        <source>Adds a row (a pattern) of zeros under the selected row.</source>
        <translation>Fügt unter der gewählten Zeile eine Zeile (ein Muster) aus Nullen ein.</translation>
    </message>
    <message>
        <source>Copy the selected patterns</source>
        <translation>Die gewählten Muster kopieren</translation>
    </message>
    <message>
        <source>Adds a copy of each selected row under it.</source>
        <translation>Fügt unter jeder gewählten Zeile eine Kopie davon ein.</translation>
    </message>
    <message>
        <source>Delete the selected patterns</source>
        <translation>Die gewählten Muster löschen</translation>
    </message>
    <message>
        <source>Deletes the selected rows. One pattern always stays.</source>
        <translation>Löscht die gewählten Zeilen. Ein Muster bleibt immer.</translation>
    </message>
    <message>
        <source>Paste cells copied from a spreadsheet (Ctrl+V)</source>
        <translation>Aus einer Tabellenkalkulation kopierte Zellen einfügen (Strg+V)</translation>
    </message>
    <message>
        <source>Puts tab-separated cells, as spreadsheets copy them, from the selected cell on, adding rows as needed. A cell that is not a number, or a block wider than the columns left, pastes nothing.</source>
        <translation>Setzt durch Tabulatoren getrennte Zellen, wie Tabellenkalkulationen sie kopieren, ab der gewählten Zelle ein und fügt bei Bedarf Zeilen hinzu. Eine Zelle, die keine Zahl ist, oder ein Block, der breiter als die übrigen Spalten ist, fügt nichts ein.</translation>
    </message>
    <message>
        <source>Take back the last change (Ctrl+Z)</source>
        <translation>Die letzte Änderung zurücknehmen (Strg+Z)</translation>
    </message>
    <message>
        <source>Takes back the last change; a paste or a generated set counts as one.</source>
        <translation>Nimmt die letzte Änderung zurück; ein Einfügen oder eine erzeugte Menge zählt als eine.</translation>
    </message>
    <message>
        <source>Make the change taken back again (Ctrl+Shift+Z)</source>
        <translation>Die zurückgenommene Änderung wiederholen (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>Makes the last change taken back again (Ctrl+Shift+Z or Ctrl+Y).</source>
        <translation>Macht die zuletzt zurückgenommene Änderung wieder (Strg+Umschalt+Z oder Strg+Y).</translation>
    </message>
    <message>
        <source>Add an input column</source>
        <translation>Eine Eingabespalte hinzufügen</translation>
    </message>
    <message>
        <source>Adds an input column of zeros: every pattern gets one more input.</source>
        <translation>Fügt eine Eingabespalte aus Nullen hinzu: Jedes Muster bekommt eine Eingabe mehr.</translation>
    </message>
    <message>
        <source>Add an output column</source>
        <translation>Eine Ausgabespalte hinzufügen</translation>
    </message>
    <message>
        <source>Adds a desired-output column of zeros: the network gets one more output unit.</source>
        <translation>Fügt eine Spalte gewünschter Ausgaben aus Nullen hinzu: Das Netz bekommt eine Ausgabeeinheit mehr.</translation>
    </message>
    <message>
        <source>Copy the selected cell&apos;s column</source>
        <translation>Die Spalte der gewählten Zelle kopieren</translation>
    </message>
    <message>
        <source>Adds a copy of the selected cell&apos;s column beside it.</source>
        <translation>Fügt neben der Spalte der gewählten Zelle eine Kopie davon ein.</translation>
    </message>
    <message>
        <source>Delete the selected cell&apos;s column</source>
        <translation>Die Spalte der gewählten Zelle löschen</translation>
    </message>
    <message>
        <source>Deletes the selected cell&apos;s column. One input and one output always stay.</source>
        <translation>Löscht die Spalte der gewählten Zelle. Eine Eingabe und eine Ausgabe bleiben immer.</translation>
    </message>
    <message>
        <source>The patterns: inputs, then desired outputs</source>
        <translation>Die Muster: Eingaben, dann gewünschte Ausgaben</translation>
    </message>
    <message>
        <source>One row per pattern: its inputs, then the outputs the network should give. Click a cell and type, or press F2. Numbers are read in your system&apos;s form; anything else is refused with a message and the cell keeps its value.</source>
        <translation>Eine Zeile je Muster: seine Eingaben, dann die Ausgaben, die das Netz geben soll. Klicken Sie auf eine Zelle und tippen Sie, oder drücken Sie F2. Zahlen werden in der Schreibweise Ihres Systems gelesen; alles andere wird mit einer Meldung abgelehnt, und die Zelle behält ihren Wert.</translation>
    </message>
    <message>
        <source>The set&apos;s size</source>
        <translation>Die Größe der Menge</translation>
    </message>
    <message>
        <source>How many patterns, inputs and outputs the set has.</source>
        <translation>Wie viele Muster, Eingaben und Ausgaben die Menge hat.</translation>
    </message>
    <message>
        <source>Fill the table with a ready-made set</source>
        <translation>Die Tabelle mit einer fertigen Menge füllen</translation>
    </message>
    <message>
        <source>Choose a kind of set and its numbers, then press Generate. Clouds and noisy letters are drawn with the seed, so the same seed makes the same set.</source>
        <translation>Wählen Sie eine Art von Menge und ihre Zahlen, dann drücken Sie „Erzeugen“. Wolken und verrauschte Buchstaben werden mit dem Seed gezogen, sodass derselbe Seed dieselbe Menge ergibt.</translation>
    </message>
    <message>
        <source>The kind of set to generate</source>
        <translation>Die Art der zu erzeugenden Menge</translation>
    </message>
    <message>
        <source>AND, OR, NAND, XOR and parity list every combination of 0 and 1; Gaussian clouds are points around centres in the plane; letters are the 5 by 7 letters of letters.net.</source>
        <translation>AND, OR, NAND, XOR und Parität listen jede Kombination aus 0 und 1 auf; Gauß-Wolken sind Punkte um Mittelpunkte in der Ebene; Buchstaben sind die 5-mal-7-Buchstaben aus letters.net.</translation>
    </message>
    <message>
        <source>How many inputs a logic set has</source>
        <translation>Wie viele Eingaben eine Logik-Menge hat</translation>
    </message>
    <message>
        <source>The number of inputs of a logic set; XOR over more than two inputs is parity.</source>
        <translation>Die Zahl der Eingaben einer Logik-Menge; XOR über mehr als zwei Eingaben ist Parität.</translation>
    </message>
    <message>
        <source>How many clouds</source>
        <translation>Wie viele Wolken</translation>
    </message>
    <message>
        <source>The number of clouds (classes). Two classes have one output; more have one output per class.</source>
        <translation>Die Zahl der Wolken (Klassen). Zwei Klassen haben eine Ausgabe; mehr haben eine Ausgabe je Klasse.</translation>
    </message>
    <message>
        <source>Points in each cloud</source>
        <translation>Punkte in jeder Wolke</translation>
    </message>
    <message>
        <source>How many points each cloud has.</source>
        <translation>Wie viele Punkte jede Wolke hat.</translation>
    </message>
    <message>
        <source>How far the points lie from their centre</source>
        <translation>Wie weit die Punkte streuen</translation>
    </message>
    <message>
        <source>The spread of each cloud around its centre.</source>
        <translation>Die Streuung jeder Wolke um ihren Mittelpunkt.</translation>
    </message>
    <message>
        <source>The share of patterns given a wrong answer</source>
        <translation>Der Anteil der Muster, die eine falsche Antwort bekommen</translation>
    </message>
    <message>
        <source>For clouds, the share of points given another class&apos;s output; for letters, the chance that each pixel is flipped.</source>
        <translation>Bei Wolken der Anteil der Punkte, die die Ausgabe einer anderen Klasse bekommen; bei Buchstaben die Wahrscheinlichkeit, dass jedes Pixel umgedreht wird.</translation>
    </message>
    <message>
        <source>Cut the clouds so a line parts them</source>
        <translation>Die Wolken so beschneiden, dass eine Gerade sie trennt</translation>
    </message>
    <message>
        <source>Ticked, each cloud is cut off where a line still parts it from the others, so without noise a step unit can get every pattern right. Unticked, the clouds overlap.</source>
        <translation>Mit Haken wird jede Wolke dort abgeschnitten, wo eine Gerade sie noch von den anderen trennt, sodass ohne Rauschen eine Stufeneinheit jedes Muster richtig machen kann. Ohne Haken überlappen sich die Wolken.</translation>
    </message>
    <message>
        <source>Which letters to make</source>
        <translation>Welche Buchstaben erzeugt werden</translation>
    </message>
    <message>
        <source>The letters of the set, one output unit each (for example CLOT).</source>
        <translation>Die Buchstaben der Menge, je eine Ausgabeeinheit (zum Beispiel CLOT).</translation>
    </message>
    <message>
        <source>How many copies of each letter</source>
        <translation>Wie viele Kopien jedes Buchstabens</translation>
    </message>
    <message>
        <source>How many times each letter is repeated; with noise, each copy differs.</source>
        <translation>Wie oft jeder Buchstabe wiederholt wird; mit Rauschen ist jede Kopie anders.</translation>
    </message>
    <message>
        <source>The seed the random sets are drawn with</source>
        <translation>Der Seed, mit dem die Zufallsmengen gezogen werden</translation>
    </message>
    <message>
        <source>The same seed makes the same clouds, the same noisy letters and the same split.</source>
        <translation>Derselbe Seed ergibt dieselben Wolken, dieselben verrauschten Buchstaben und dieselbe Aufteilung.</translation>
    </message>
    <message>
        <source>Fill the table with the set chosen</source>
        <translation>Die Tabelle mit der gewählten Menge füllen</translation>
    </message>
    <message>
        <source>Replaces the table with the generated set (Undo brings the old one back).</source>
        <translation>Ersetzt die Tabelle durch die erzeugte Menge („Rückgängig“ bringt die alte zurück).</translation>
    </message>
    <message>
        <source>Keep some patterns apart for testing</source>
        <translation>Einige Muster zum Testen beiseitelegen</translation>
    </message>
    <message>
        <source>A share of the patterns can be saved to a test file of its own, to see how the network does on patterns it never trained on.</source>
        <translation>Ein Teil der Muster kann in eine eigene Testdatei gespeichert werden, um zu sehen, wie das Netz bei Mustern abschneidet, auf denen es nie trainiert hat.</translation>
    </message>
    <message>
        <source>The share of patterns saved as a test file</source>
        <translation>Der Anteil der Muster, der als Testdatei gespeichert wird</translation>
    </message>
    <message>
        <source>With a number above 0, saving draws that share of the patterns with the seed and writes them to NAME-test.net beside the training file, for &quot;Test Current Network On A New Problem&quot;.</source>
        <translation>Bei einer Zahl über 0 zieht das Speichern diesen Anteil der Muster mit dem Seed und schreibt ihn neben die Trainingsdatei in NAME-test.net, für „Aktuelles Netz auf neuem Problem testen“.</translation>
    </message>
    <message>
        <source>What saving does with the share held out</source>
        <translation>Was das Speichern mit dem zurückgehaltenen Anteil macht</translation>
    </message>
    <message>
        <source>Says where the patterns held out go: drawn with the seed, out of the training file, into a test file beside it.</source>
        <translation>Sagt, wohin die zurückgehaltenen Muster gehen: mit dem Seed gezogen, aus der Trainingsdatei heraus, in eine Testdatei daneben.</translation>
    </message>
    <message>
        <source>Save the set as a training file</source>
        <translation>Die Menge als Trainingsdatei speichern</translation>
    </message>
    <message>
        <source>Writes the .net file (.net is added to a name without an ending). A set beyond the training files&apos; limits is refused.</source>
        <translation>Schreibt die .net-Datei (an einen Namen ohne Endung wird .net angehängt). Eine Menge über den Grenzen der Trainingsdateien wird abgelehnt.</translation>
    </message>
    <message>
        <source>Save the set and train on it</source>
        <translation>Die Menge speichern und darauf trainieren</translation>
    </message>
    <message>
        <source>Saves the set, reads it and opens the training set-up page on it.</source>
        <translation>Speichert die Menge, liest sie ein und öffnet dafür die Einstellungsseite des Trainings.</translation>
    </message>
    <message>
        <source>Closes the page (Escape does the same when no cell is being typed in).</source>
        <translation>Schließt die Seite (Escape tut dasselbe, wenn gerade in keine Zelle getippt wird).</translation>
    </message>
    <message>
        <source>Guided exercises</source>
        <translation>Geführte Übungen</translation>
    </message>
    <message>
        <source>Short guided exercises on how a perceptron learns. Choose one in the list below and press Start This Lesson.</source>
        <translation>Kurze geführte Übungen dazu, wie ein Perzeptron lernt. Wählen Sie eine in der Liste unten und drücken Sie „Lektion starten“.</translation>
    </message>
    <message>
        <source>The lessons: choose one</source>
        <translation>Die Lektionen: Wählen Sie eine</translation>
    </message>
    <message>
        <source>The lessons, one a line: what one unit computes; OR, NAND and why XOR fails a step unit; the learning rate; the threshold as a weight; sigmoid against step units; the Gaussian unit that solves XOR; generalization; and the letters. A lesson file with a mistake is listed as &quot;(cannot be opened)&quot;; choosing it says which file and what is wrong. Double-click a lesson (or press Enter) to start it.</source>
        <translation>Die Lektionen, eine pro Zeile: was eine Einheit berechnet; OR, NAND und warum XOR einer Stufeneinheit misslingt; die Lernrate; die Schwelle als Gewicht; Sigmoid- gegen Stufeneinheiten; die Gauß-Einheit, die XOR löst; Generalisierung; und die Buchstaben. Eine Lektionsdatei mit einem Fehler wird als „(kann nicht geöffnet werden)“ aufgeführt; wählen Sie sie, wird gesagt, welche Datei es ist und was falsch ist. Doppelklicken Sie auf eine Lektion (oder drücken Sie die Eingabetaste), um sie zu starten.</translation>
    </message>
    <message>
        <source>The lesson chosen</source>
        <translation>Die gewählte Lektion</translation>
    </message>
    <message>
        <source>The title of the lesson chosen in the list or under way.</source>
        <translation>Der Titel der Lektion, die in der Liste gewählt ist oder gerade läuft.</translation>
    </message>
    <message>
        <source>Where you are in the lesson</source>
        <translation>Wo Sie in der Lektion sind</translation>
    </message>
    <message>
        <source>How many steps the chosen lesson has, and once it has started, which step you are on.</source>
        <translation>Wie viele Schritte die gewählte Lektion hat und, sobald sie begonnen hat, bei welchem Schritt Sie sind.</translation>
    </message>
    <message>
        <source>What this step says</source>
        <translation>Was dieser Schritt sagt</translation>
    </message>
    <message>
        <source>The text of the step: what to look at or to do on the set-up page and the pages it opens.</source>
        <translation>Der Text des Schritts: was Sie auf der Einstellungsseite und den Seiten, die sie öffnet, ansehen oder tun sollen.</translation>
    </message>
    <message>
        <source>The step&apos;s question</source>
        <translation>Die Frage des Schritts</translation>
    </message>
    <message>
        <source>A question to think about before you look at the answer. Not every step asks one.</source>
        <translation>Eine Frage zum Nachdenken, bevor Sie sich die Antwort ansehen. Nicht jeder Schritt stellt eine.</translation>
    </message>
    <message>
        <source>Reveal the answer to the question</source>
        <translation>Die Antwort auf die Frage aufdecken</translation>
    </message>
    <message>
        <source>Shows the answer to the step&apos;s question below it. Try to answer it yourself first.</source>
        <translation>Zeigt die Antwort auf die Frage des Schritts darunter. Versuchen Sie zuerst, sie selbst zu beantworten.</translation>
    </message>
    <message>
        <source>The answer to the question</source>
        <translation>Die Antwort auf die Frage</translation>
    </message>
    <message>
        <source>The answer to the step&apos;s question, shown once you press Show Answer.</source>
        <translation>Die Antwort auf die Frage des Schritts, gezeigt, sobald Sie „Antwort zeigen“ drücken.</translation>
    </message>
    <message>
        <source>Do what the step asks</source>
        <translation>Tun, was der Schritt verlangt</translation>
    </message>
    <message>
        <source>Does what the step asks for you: opens the step panel, starts training, shows a picture of the network (its decision plane, weights or error curve) or the SSE graph, or tests the network on the held-out patterns. It shows only on steps that have something to do.</source>
        <translation>Tut für Sie, was der Schritt verlangt: öffnet das Schrittfenster, startet das Training, zeigt ein Bild des Netzes (seine Entscheidungsebene, Gewichte oder Fehlerkurve) oder den SSE-Graphen, oder testet das Netz mit den zurückgehaltenen Mustern. Die Schaltfläche erscheint nur bei Schritten, in denen es etwas zu tun gibt.</translation>
    </message>
    <message>
        <source>Begin the lesson chosen in the list</source>
        <translation>Die in der Liste gewählte Lektion beginnen</translation>
    </message>
    <message>
        <source>Starts the lesson chosen in the list: it puts its own training set and settings (rule, rate, when training ends, seed) on the set-up page, which opens beside it, and shows the first step.</source>
        <translation>Startet die in der Liste gewählte Lektion: Sie legt ihre eigene Trainingsmenge und Einstellungen (Regel, Rate, Trainingsende, Seed) auf die Einstellungsseite, die sich daneben öffnet, und zeigt den ersten Schritt.</translation>
    </message>
    <message>
        <source>Go back one step</source>
        <translation>Einen Schritt zurückgehen</translation>
    </message>
    <message>
        <source>Goes back to the step before. A step that brought a training set or settings of its own puts them back on the set-up page.</source>
        <translation>Geht zum vorigen Schritt zurück. Hat ein Schritt eine eigene Trainingsmenge oder eigene Einstellungen mitgebracht, legt er sie wieder auf die Einstellungsseite.</translation>
    </message>
    <message>
        <source>Go on to the next step</source>
        <translation>Zum nächsten Schritt gehen</translation>
    </message>
    <message>
        <source>Goes on to the next step of the lesson; on the last step it reads Last Step and cannot be pressed.</source>
        <translation>Geht zum nächsten Schritt der Lektion; beim letzten Schritt heißt die Schaltfläche „Letzter Schritt“ und lässt sich nicht drücken.</translation>
    </message>
    <message>
        <source>How a lesson works</source>
        <translation>Wie eine Lektion funktioniert</translation>
    </message>
    <message>
        <source>Each lesson sets up the training page for you: read the step, think about the question, then check your answer.</source>
        <translation>Jede Lektion richtet die Trainingsseite für Sie ein: Lesen Sie den Schritt, denken Sie über die Frage nach und prüfen Sie dann Ihre Antwort.</translation>
    </message>
    <message>
        <source>Close the lessons</source>
        <translation>Die Lektionen schließen</translation>
    </message>
    <message>
        <source>Closes this page (Escape does the same).</source>
        <translation>Schließt diese Seite (Escape tut dasselbe).</translation>
    </message>
    <message>
        <source>Compare the runs kept this sitting</source>
        <translation>Die in dieser Sitzung behaltenen Läufe vergleichen</translation>
    </message>
    <message>
        <source>Every run the set-up page trains is kept while the program runs, once it ends: its settings, seed, final weights and total SSE after every epoch. This page lays the ticked ones side by side.</source>
        <translation>Jeder Lauf, den die Einstellungsseite trainiert, wird nach seinem Ende behalten, solange das Programm läuft: seine Einstellungen, sein Seed, seine Endgewichte und die Gesamt-SSE nach jeder Epoche. Diese Seite legt die angehakten nebeneinander.</translation>
    </message>
    <message>
        <source>Tick two or more runs to compare them</source>
        <translation>Haken Sie zwei oder mehr Läufe an, um sie zu vergleichen</translation>
    </message>
    <message>
        <source>The runs kept this sitting (the newest 40 stay). Tick the ones to compare; the page opens with the two newest ticked. Double-click a name to give it one of your own. Point at a run to see its rule, rate and seed.</source>
        <translation>Die in dieser Sitzung behaltenen Läufe (die neuesten 40 bleiben). Haken Sie die an, die Sie vergleichen wollen; die Seite öffnet sich mit den zwei neuesten angehakt. Doppelklicken Sie auf einen Namen, um ihm einen eigenen zu geben. Zeigen Sie auf einen Lauf, um seine Regel, Rate und seinen Seed zu sehen.</translation>
    </message>
    <message>
        <source>Save the selected run as a network file</source>
        <translation>Den gewählten Lauf als Netzwerkdatei speichern</translation>
    </message>
    <message>
        <source>Saves the selected run as a saved network (.vnet) as it was when it ended, even after later runs. &quot;Open A Saved Network&quot; brings it back.</source>
        <translation>Speichert den gewählten Lauf als gespeichertes Netz (.vnet), so wie er bei seinem Ende war, auch nach späteren Läufen. „Gespeichertes Netz öffnen“ bringt ihn zurück.</translation>
    </message>
    <message>
        <source>Drop the selected run from the list</source>
        <translation>Den gewählten Lauf aus der Liste nehmen</translation>
    </message>
    <message>
        <source>Removes the selected run from the kept runs.</source>
        <translation>Entfernt den gewählten Lauf aus den behaltenen Läufen.</translation>
    </message>
    <message>
        <source>Closes the compare page; the runs stay kept and come back when you open it again (Escape does the same).</source>
        <translation>Schließt die Vergleichsseite; die Läufe bleiben behalten und kommen wieder, wenn Sie sie erneut öffnen (Escape tut dasselbe).</translation>
    </message>
    <message>
        <source>The ticked runs compared four ways</source>
        <translation>Die angehakten Läufe, auf vier Arten verglichen</translation>
    </message>
    <message>
        <source>The ticked runs compared: their error curves, their settings and outcomes, their decision planes and their confusion tables, each on a tab of its own.</source>
        <translation>Die angehakten Läufe im Vergleich: ihre Fehlerkurven, ihre Einstellungen und Ergebnisse, ihre Entscheidungsebenen und ihre Konfusionstabellen, jedes auf einem eigenen Reiter.</translation>
    </message>
    <message>
        <source>The ticked runs&apos; total SSE over epochs</source>
        <translation>Die Gesamt-SSE der angehakten Läufe über die Epochen</translation>
    </message>
    <message>
        <source>The total SSE of each ticked run after every epoch, on one graph, each run in its own colour, line style and marker. The legend names the rule, the rate, the seed and the epochs to all hits (&quot;not reached&quot; when a run never got there). Logarithmic scale spreads the small totals out.</source>
        <translation>Die Gesamt-SSE jedes angehakten Laufs nach jeder Epoche, in einem Graphen, jeder Lauf mit eigener Farbe, Linienart und Markierung. Die Legende nennt Regel, Rate, Seed und die Epochen bis „alle Treffer“ („not reached“, wenn ein Lauf nie dorthin kam). Die logarithmische Skala zieht die kleinen Summen auseinander.</translation>
    </message>
    <message>
        <source>The ticked runs&apos; settings and outcomes side by side</source>
        <translation>Einstellungen und Ergebnisse der angehakten Läufe nebeneinander</translation>
    </message>
    <message>
        <source>The settings (file, rule, rate, hit criterion, stops, order, thresholds, start ranges, display interval, seed) and the outcomes (epochs trained, epochs to all hits, total SSE, hits) of the ticked runs side by side. A row whose values differ is marked, in bold on a tinted ground.</source>
        <translation>Die Einstellungen (Datei, Regel, Rate, Trefferkriterium, Stopps, Reihenfolge, Schwellen, Startbereiche, Ausgabeabstand, Seed) und die Ergebnisse (trainierte Epochen, Epochen bis „alle Treffer“, Gesamt-SSE, Treffer) der angehakten Läufe nebeneinander. Eine Zeile, deren Werte sich unterscheiden, ist markiert, fett auf getöntem Grund.</translation>
    </message>
    <message>
        <source>Each run&apos;s decision plane</source>
        <translation>Die Entscheidungsebene jedes Laufs</translation>
    </message>
    <message>
        <source>For files of two inputs, the input plane of each ticked run, as on the network view, side by side: the patterns wanted 1 and 0, and the ones the run misses ringed. Scroll sideways for more runs.</source>
        <translation>Bei Dateien mit zwei Eingaben die Eingabeebene jedes angehakten Laufs, wie in der Netzansicht, nebeneinander: die Muster, die 1 und 0 ergeben sollen, und umringt die, die der Lauf verfehlt. Für weitere Läufe seitwärts scrollen.</translation>
    </message>
    <message>
        <source>Each run&apos;s hits and misses</source>
        <translation>Treffer und Fehltreffer jedes Laufs</translation>
    </message>
    <message>
        <source>Each ticked run&apos;s confusion table on the file it trained on and, when the network now holds another file of the same sizes (Test Current Network On A New Problem), on that file with the run&apos;s weights.</source>
        <translation>Die Konfusionstabelle jedes angehakten Laufs auf der Datei, auf der er trainiert hat, und, wenn das Netz jetzt eine andere Datei derselben Größen enthält („Aktuelles Netz auf neuem Problem testen“), auf dieser Datei mit den Gewichten des Laufs.</translation>
    </message>
    <message>
        <source>Spread the small totals out</source>
        <translation>Die kleinen Summen auseinanderziehen</translation>
    </message>
    <message>
        <source>Draws the total SSE on a logarithmic scale, so the small totals near the end of a run, where the runs often differ most, are spread out instead of lying flat on the axis.</source>
        <translation>Zeichnet die Gesamt-SSE auf einer logarithmischen Skala, sodass die kleinen Summen gegen Ende eines Laufs, wo sich die Läufe oft am meisten unterscheiden, auseinandergezogen werden, statt flach auf der Achse zu liegen.</translation>
    </message>
    <message>
        <source>The network&apos;s hits and misses</source>
        <translation>Treffer und Fehltreffer des Netzes</translation>
    </message>
    <message>
        <source>The network&apos;s hits and misses for each output unit, and its accuracy class by class.</source>
        <translation>Treffer und Fehltreffer des Netzes für jede Ausgabeeinheit und seine Genauigkeit Klasse für Klasse.</translation>
    </message>
    <message>
        <source>What the tables below show</source>
        <translation>Was die Tabellen unten zeigen</translation>
    </message>
    <message>
        <source>Says what the tables below count, and for which files.</source>
        <translation>Sagt, was die Tabellen unten zählen und für welche Dateien.</translation>
    </message>
    <message>
        <source>Hits and misses for each output unit and each class</source>
        <translation>Treffer und Fehltreffer für jede Ausgabeeinheit und jede Klasse</translation>
    </message>
    <message>
        <source>For the training file and for the file the network was last tested on: each output unit&apos;s hits and misses and, when the desired outputs are one-hot (one unit on in every pattern, as in letters.net), a class-by-class table with the accuracy. Its rows are the class wanted, its columns the class answered (the unit with the highest activation). You can select and copy the text.</source>
        <translation>Für die Trainingsdatei und für die Datei, mit der das Netz zuletzt getestet wurde: Treffer und Fehltreffer jeder Ausgabeeinheit und, wenn die gewünschten Ausgaben One-Hot sind (in jedem Muster eine Einheit an, wie in letters.net), eine Tabelle Klasse für Klasse mit der Genauigkeit. Ihre Zeilen sind die gewünschte Klasse, ihre Spalten die geantwortete Klasse (die Einheit mit der höchsten Aktivierung). Sie können den Text markieren und kopieren.</translation>
    </message>
    <message>
        <source>Add these tables to the report and the workbook</source>
        <translation>Diese Tabellen in den Bericht und die Arbeitsmappe aufnehmen</translation>
    </message>
    <message>
        <source>When ticked, the text report gets these tables after its sections and the workbook a &quot;Confusion&quot; sheet after its own. Unticked, both are exactly as before.</source>
        <translation>Mit Haken bekommt der Textbericht diese Tabellen nach seinen Abschnitten und die Arbeitsmappe ein Blatt „Confusion“ nach ihren eigenen. Ohne Haken sind beide genau wie vorher.</translation>
    </message>
    <message>
        <source>Count again</source>
        <translation>Neu zählen</translation>
    </message>
    <message>
        <source>Counts the hits and misses again for the network as it is now, after more training or a test on another file. Coming back to this page does the same.</source>
        <translation>Zählt die Treffer und Fehltreffer für das Netz, wie es jetzt ist, neu, nach weiterem Training oder einem Test mit einer anderen Datei. Zurückkehren auf diese Seite tut dasselbe.</translation>
    </message>
    <message>
        <source>Closes the confusion tables (Escape does the same).</source>
        <translation>Schließt die Konfusionstabellen (Escape tut dasselbe).</translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <source>Epoch</source>
        <translation>Epoche</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>Gesamt-SSE</translation>
    </message>
    <message>
        <source>A table of 1 row: epoch and total SSE.</source>
        <translation>Eine Tabelle mit 1 Zeile: Epoche und Gesamt-SSE.</translation>
    </message>
    <message>
        <source>A table of %1 rows: epoch and total SSE.</source>
        <translation>Eine Tabelle mit %1 Zeilen: Epoche und Gesamt-SSE.</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
    <message>
        <source>What this step says</source>
        <translation>Was dieser Schritt sagt</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Antwort zeigen</translation>
    </message>
    <message>
        <source>Start This Lesson</source>
        <translation>Lektion starten</translation>
    </message>
    <message>
        <source>Previous Step</source>
        <translation>Voriger Schritt</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Each lesson sets up the training page for you. Read the step, think about the question, then check your answer.</source>
        <translation>Jede Lektion richtet die Trainingsseite für Sie ein. Lesen Sie den Schritt, denken Sie über die Frage nach und prüfen Sie dann Ihre Antwort.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>LoadFile</name>
    <message>
        <source>Perceptron -- Load File -- Tarvik Neural Net Code</source>
        <translation>Perzeptron -- Datei laden -- Tarvik-Code für neuronale Netze</translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation>Tarvik-Perzeptron-Programm, Ausgabe 2003</translation>
    </message>
    <message>
        <source>Use &quot;Double Clicks&quot; To Choose The File To Train The Network</source>
        <translation>Trainingsdatei per „Doppelklick“ wählen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation>Gespeichertes Netz öffnen</translation>
    </message>
    <message>
        <source>Open A Saved
Network</source>
        <translation>Gespeichertes
Netz öffnen</translation>
    </message>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation>Trainingsmenge erstellen oder bearbeiten</translation>
    </message>
    <message>
        <source>Make Or Edit A
Training Set</source>
        <translation>Eigene Muster
bearbeiten</translation>
    </message>
    <message>
        <source>Training File Information</source>
        <translation>Informationen zur Trainingsdatei</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source># of Output Units:</source>
        <translation>Anzahl Ausgabeeinheiten:</translation>
    </message>
    <message>
        <source># of Input Units:</source>
        <translation>Anzahl Eingabeeinheiten:</translation>
    </message>
    <message>
        <source># of Patterns:</source>
        <translation>Anzahl Muster:</translation>
    </message>
    <message>
        <source>Go To Next Page To Set Training Parameters</source>
        <translation>Weiter zu den Trainingseinstellungen</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, ein Perzeptron für den Unterricht: von seinen Entwicklern für alle, die einem Netz beim Lernen zusehen wollen.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
</context>
<context>
    <name>MakeTrainingSet</name>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation>Trainingsmenge erstellen oder bearbeiten</translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation>&amp;Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate Rows</source>
        <translation>Zeilen duplizieren</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Zeilen löschen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Add Input</source>
        <translation>Eingabe hinzufügen</translation>
    </message>
    <message>
        <source>Add Output</source>
        <translation>Ausgabe hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate Column</source>
        <translation>Spalte duplizieren</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Spalte löschen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Menge:</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>AND</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OR</translation>
    </message>
    <message>
        <source>NAND</source>
        <translation>NAND</translation>
    </message>
    <message>
        <source>XOR</source>
        <translation>XOR</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Gaussian Clouds</source>
        <translation>Gauß-Wolken</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Eingaben:</translation>
    </message>
    <message>
        <source>Classes:</source>
        <translation>Klassen:</translation>
    </message>
    <message>
        <source>Points per class:</source>
        <translation>Punkte je Klasse:</translation>
    </message>
    <message>
        <source>Spread:</source>
        <translation>Streuung:</translation>
    </message>
    <message>
        <source>Noise:</source>
        <translation>Rauschen:</translation>
    </message>
    <message>
        <source>Separable</source>
        <translation>Trennbar</translation>
    </message>
    <message>
        <source>Letters:</source>
        <translation>Buchstaben:</translation>
    </message>
    <message>
        <source>ABCDEFGHIJKLMNOPQRSTUVWXYZ</source>
        <translation>ABCDEFGHIJKLMNOPQRSTUVWXYZ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>E&amp;rzeugen</translation>
    </message>
    <message>
        <source>Split Off A Test File</source>
        <translation>Testdatei abtrennen</translation>
    </message>
    <message>
        <source>Hold out (%):</source>
        <translation>Zurückhalten (%):</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Saving holds that share of the patterns, drawn with the seed, out of the training file and writes them to a test file beside it (NAME-test.net).</source>
        <translation>Beim Speichern wird dieser Anteil der Muster, mit dem Seed ausgelost, aus der Trainingsdatei herausgenommen und in eine Testdatei daneben geschrieben (NAME-test.net).</translation>
    </message>
    <message>
        <source>&amp;Save As Training File...</source>
        <translation>Als Trainingsdatei &amp;speichern...</translation>
    </message>
    <message>
        <source>Save And &amp;Train On It...</source>
        <translation>Speichern und &amp;trainieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>T&amp;able</source>
        <translation>T&amp;abelle</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>Zeich&amp;nen</translation>
    </message>
    <message>
        <source>&amp;New points:</source>
        <translation>Neue &amp;Punkte:</translation>
    </message>
    <message>
        <source>Import &amp;CSV</source>
        <translation>&amp;CSV importieren</translation>
    </message>
</context>
<context>
    <name>NetworkFiles</name>
    <message>
        <source>Saved networks (*.vnet);;All files (*)</source>
        <translation>Gespeicherte Netze (*.vnet);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>There is no trained network to save yet: train one first.</source>
        <translation>Es gibt noch kein trainiertes Netz zum Speichern: Trainieren Sie zuerst eines.</translation>
    </message>
    <message>
        <source>A note to keep with the network (who trained it, on what, why), or none:</source>
        <translation>Eine Notiz, die mit dem Netz gespeichert wird (wer es trainiert hat, womit, warum), oder keine:</translation>
    </message>
    <message>
        <source>Save The Trained Network</source>
        <translation>Trainiertes Netz speichern</translation>
    </message>
    <message>
        <source>The network has been saved as &quot;%1&quot;.</source>
        <translation>Das Netz wurde als „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation>Gespeichertes Netz öffnen</translation>
    </message>
    <message>
        <source>The note saved with this network:</source>
        <translation>Die mit diesem Netz gespeicherte Notiz:</translation>
    </message>
</context>
<context>
    <name>NetworkView</name>
    <message>
        <source>The Network&apos;s Weights And Decisions</source>
        <translation>Gewichte und Entscheidungen des Netzes</translation>
    </message>
    <message>
        <source>Page title</source>
        <translation>Seitentitel</translation>
    </message>
    <message>
        <source>Network shown</source>
        <translation>Gezeigtes Netz</translation>
    </message>
    <message>
        <source>Views of the network</source>
        <translation>Ansichten des Netzes</translation>
    </message>
    <message>
        <source>&amp;Weights</source>
        <translation>&amp;Gewichte</translation>
    </message>
    <message>
        <source>Picture &amp;width:</source>
        <translation>Bild&amp;breite:</translation>
    </message>
    <message>
        <source>Picture width in cells</source>
        <translation>Bildbreite in Zellen</translation>
    </message>
    <message>
        <source>How many cells wide each unit&apos;s picture of weights is</source>
        <translation>Wie viele Zellen breit das Gewichtsbild jeder Einheit ist</translation>
    </message>
    <message>
        <source>Point at a cell, or tab to the picture and use the arrow keys, to read its weight.</source>
        <translation>Zeigen Sie auf eine Zelle (oder Tab und Pfeiltasten), um ihr Gewicht abzulesen.</translation>
    </message>
    <message>
        <source>Weight of the cell pointed at</source>
        <translation>Gewicht der Zelle unter dem Zeiger</translation>
    </message>
    <message>
        <source>Each unit on its own &amp;contrast, from its lowest weight to its highest (shows the shape a unit has learned)</source>
        <translation>Jede Einheit mit eigenem &amp;Kontrast, von ihrem kleinsten zu ihrem größten Gewicht (zeigt die Form, die eine Einheit gelernt hat)</translation>
    </message>
    <message>
        <source>Each unit on its own contrast</source>
        <translation>Jede Einheit mit eigenem Kontrast</translation>
    </message>
    <message>
        <source>Weights of each output unit, scrollable</source>
        <translation>Gewichte jeder Ausgabeeinheit, scrollbar</translation>
    </message>
    <message>
        <source>Weights of each output unit</source>
        <translation>Gewichte jeder Ausgabeeinheit</translation>
    </message>
    <message>
        <source>&amp;Decisions</source>
        <translation>&amp;Entscheidungen</translation>
    </message>
    <message>
        <source>&amp;Output unit:</source>
        <translation>&amp;Ausgabeeinheit:</translation>
    </message>
    <message>
        <source>Output unit shown on the plane</source>
        <translation>Auf der Ebene gezeigte Ausgabeeinheit</translation>
    </message>
    <message>
        <source>Decision plane of the output unit</source>
        <translation>Entscheidungsebene der Ausgabeeinheit</translation>
    </message>
    <message>
        <source>Why the decision plane is not shown</source>
        <translation>Warum die Entscheidungsebene nicht gezeigt wird</translation>
    </message>
    <message>
        <source>&amp;Error Curve</source>
        <translation>&amp;Fehlerkurve</translation>
    </message>
    <message>
        <source>&amp;Logarithmic SSE scale</source>
        <translation>&amp;Logarithmische SSE-Skala</translation>
    </message>
    <message>
        <source>Logarithmic SSE scale</source>
        <translation>Logarithmische SSE-Skala</translation>
    </message>
    <message>
        <source>Error curve: total SSE over epochs</source>
        <translation>Fehlerkurve: Gesamt-SSE über die Epochen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print the picture shown</source>
        <translation>Das gezeigte Bild drucken</translation>
    </message>
    <message>
        <source>&amp;Save Picture</source>
        <translation>Bild s&amp;peichern</translation>
    </message>
    <message>
        <source>Save the picture shown as a PNG or SVG file</source>
        <translation>Das gezeigte Bild als PNG- oder SVG-Datei speichern</translation>
    </message>
    <message>
        <source>Exit This Page</source>
        <translation>Seite verlassen</translation>
    </message>
    <message>
        <source>Exit this page</source>
        <translation>Seite verlassen</translation>
    </message>
</context>
<context>
    <name>Perceptron</name>
    <message>
        <source>Perceptron Setup Page -- Tarvik Neural Network Code</source>
        <translation>Perzeptron: Einstellungen -- Tarvik-Code für neuronale Netze</translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation>Tarvik-Perzeptron-Programm, Ausgabe 2003</translation>
    </message>
    <message>
        <source>Choose A Learning Rule</source>
        <translation>Lernregel wählen</translation>
    </message>
    <message>
        <source>Delta Rule (Binary Output)</source>
        <translation>Delta-Regel (binäre Ausgabe)</translation>
    </message>
    <message>
        <source>Gradient Descent Rule (Sigmoid Output)</source>
        <translation>Gradientenabstieg (Sigmoid-Ausgabe)</translation>
    </message>
    <message>
        <source>Gradient Descent Rule (Gaussian Output)</source>
        <translation>Gradientenabstieg (Gauß-Ausgabe)</translation>
    </message>
    <message>
        <source>Choose Method(s) For Ending Training</source>
        <translation>Wann das Training endet</translation>
    </message>
    <message>
        <source>End After A Maximum Number Of Training Epochs</source>
        <translation>Ende nach einer Höchstzahl von Epochen</translation>
    </message>
    <message>
        <source>End When There Are All &quot;Hits&quot; And No &quot;Misses&quot;</source>
        <translation>Ende, wenn nur „Treffer“ und keine „Fehltreffer“</translation>
    </message>
    <message>
        <source>Choose The Maximum Number Of Epochs</source>
        <translation>Höchstzahl der Epochen</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Choose # Of Epochs Between Printouts Of Training Information</source>
        <translation>Epochen zwischen zwei Zwischenausgaben</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Choose A Learning Rate</source>
        <translation>Lernrate wählen</translation>
    </message>
    <message>
        <source>0.50</source>
        <translation>0.50</translation>
    </message>
    <message>
        <source>Set The Minimum Level Of Squared Error To Define A &quot;Hit&quot;</source>
        <translation>Quadratischer Fehler, unter dem ein „Treffer“ zählt</translation>
    </message>
    <message>
        <source>0.01</source>
        <translation>0.01</translation>
    </message>
    <message>
        <source>Choose Order Of Patterns</source>
        <translation>Reihenfolge der Muster</translation>
    </message>
    <message>
        <source>Randomize Patterns Each Epoch</source>
        <translation>Muster in jeder Epoche mischen</translation>
    </message>
    <message>
        <source>Do Not Randomize Pattern Order</source>
        <translation>Muster nicht mischen</translation>
    </message>
    <message>
        <source>Train Output Unit Thresholds?</source>
        <translation>Schwellen trainieren?</translation>
    </message>
    <message>
        <source>Train Thresholds During Learning</source>
        <translation>Schwellen beim Lernen trainieren</translation>
    </message>
    <message>
        <source>Hold Thresholds Constant</source>
        <translation>Schwellen konstant halten</translation>
    </message>
    <message>
        <source>Choose Starting Weights</source>
        <translation>Startgewichte wählen</translation>
    </message>
    <message>
        <source>Default Starts For Weights</source>
        <translation>Standard-Startgewichte</translation>
    </message>
    <message>
        <source>User Defined Starts For Weights</source>
        <translation>Eigene Startgewichte</translation>
    </message>
    <message>
        <source>Choose Starting Thresholds</source>
        <translation>Startschwellen wählen</translation>
    </message>
    <message>
        <source>Default Starts For Thresholds</source>
        <translation>Standard-Startschwellen</translation>
    </message>
    <message>
        <source>User Defined Starts For Thresholds</source>
        <translation>Eigene Startschwellen</translation>
    </message>
    <message>
        <source>Current Weight Settings</source>
        <translation>Aktuelle Gewichtseinstellungen</translation>
    </message>
    <message>
        <source>Maximum Weight = </source>
        <translation>Max. Gewicht = </translation>
    </message>
    <message>
        <source>Minimum Weight = </source>
        <translation>Min. Gewicht = </translation>
    </message>
    <message>
        <source>Weight Sign = </source>
        <translation>Vorzeichen = </translation>
    </message>
    <message>
        <source>Current Threshold Settings</source>
        <translation>Aktuelle Schwelleneinstellungen</translation>
    </message>
    <message>
        <source>Maximum Threshold = </source>
        <translation>Max. Schwelle = </translation>
    </message>
    <message>
        <source>Minimum Threshold = </source>
        <translation>Min. Schwelle = </translation>
    </message>
    <message>
        <source>Threshold Sign = </source>
        <translation>Vorzeichen = </translation>
    </message>
    <message>
        <source>Random Seed (Empty: From The Clock)</source>
        <translation>Seed (leer: aus der Uhrzeit)</translation>
    </message>
    <message>
        <source>Step Through Training...</source>
        <translation>Schrittweise trainieren...</translation>
    </message>
    <message>
        <source>Train one pattern at a time and see the arithmetic of each step</source>
        <translation>Ein Muster nach dem anderen trainieren und die Rechnung jedes Schritts sehen</translation>
    </message>
    <message>
        <source>Run With Many Seeds...</source>
        <translation>Mit vielen Seeds...</translation>
    </message>
    <message>
        <source>Train these settings once from each of many seeds and compare the epochs to all hits</source>
        <translation>Diese Einstellungen einmal mit jedem von vielen Seeds trainieren und die Epochen bis „alle Treffer“ vergleichen</translation>
    </message>
    <message>
        <source>Continue Training</source>
        <translation>Weitertrainieren</translation>
    </message>
    <message>
        <source>Test Recall</source>
        <translation>Netz testen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Start Training</source>
        <translation>Training starten</translation>
    </message>
    <message>
        <source>Stop Training</source>
        <translation>Training stoppen</translation>
    </message>
    <message>
        <source>Training:</source>
        <translation>Training:</translation>
    </message>
    <message>
        <source>Vantorelle perceptron trainer, written for students who want to watch a network learn.</source>
        <translation>Vantorelle-Perzeptron-Trainer, geschrieben für Lernende, die einem Netz beim Lernen zuschauen wollen.</translation>
    </message>
</context>
<context>
    <name>PlotSSEdata</name>
    <message>
        <source>Graph of SSE as a function of sweeps of training</source>
        <translation>Graph der SSE über die Trainingsdurchgänge</translation>
    </message>
    <message>
        <source>To work with this graph electronically, return to the previous page and create an Excel spreadsheet.  The data used to create this graph is saved on one of the worksheets in the spreadsheet that is created, and can be used to create a chart that could be imported into other software packages, such as a word processor.</source>
        <translation>Um mit diesem Graphen am Computer weiterzuarbeiten, gehen Sie zur vorigen Seite zurück und erstellen Sie eine Excel-Tabelle.  Die Daten dieses Graphen stehen auf einem der Arbeitsblätter der erstellten Tabelle; daraus können Sie ein Diagramm machen und es in andere Programme übernehmen, etwa in eine Textverarbeitung.</translation>
    </message>
    <message>
        <source>Print The Graph</source>
        <translation>Graph drucken</translation>
    </message>
    <message>
        <source>Exit This Page</source>
        <translation>Seite verlassen</translation>
    </message>
</context>
<context>
    <name>ProbeNetwork</name>
    <message>
        <source>Perceptron Program -- Probe Responses To Selected Patterns</source>
        <translation>Perzeptron-Programm -- Antworten auf gewählte Muster prüfen</translation>
    </message>
    <message>
        <source>Examine The Network&apos;s Responses To Individual Patterns</source>
        <translation>Antworten des Netzes auf einzelne Muster untersuchen</translation>
    </message>
    <message>
        <source>Use the control to the left to choose a pattern to present to the network.  The results will be added to the text in the textbox below.</source>
        <translation>Wählen Sie mit dem Regler links ein Muster, das dem Netz gezeigt wird.  Die Ergebnisse werden an den Text im Feld unten angehängt.</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear The Text In The Window</source>
        <translation>Text im Fenster löschen</translation>
    </message>
    <message>
        <source>Print The Text In The Window</source>
        <translation>Text im Fenster drucken</translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer &quot;%1&quot; cannot print &quot;%2&quot;.<byte value="xd"/>Nothing was printed.</source>
        <translation>Der Drucker „%1“ kann „%2“ nicht drucken.<byte value="xd"/>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>No printer is installed on this computer, so &quot;%1&quot; cannot be printed.<byte value="xd"/>Do you want to save the same page as a PDF file instead?</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet, daher kann „%1“ nicht gedruckt werden.<byte value="xd"/>Möchten Sie dieselbe Seite stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save The Page As A PDF File</source>
        <translation>Seite als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.<byte value="xd"/>Nothing was saved.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2.<byte value="xd"/>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Save Results To A Text File -- Tarvik Neural Network Code</source>
        <translation>Ergebnisse als Textdatei speichern -- Tarvik-Code für neuronale Netze</translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation>Tarvik-Perzeptron-Programm, Ausgabe 2003</translation>
    </message>
    <message>
        <source>Choose The Name Of The File To Be Saved</source>
        <translation>Namen der zu speichernden Datei wählen</translation>
    </message>
    <message>
        <source>Choose The Properties To Save In The File</source>
        <translation>Inhalt der Datei wählen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Create A New Directory</source>
        <translation>Neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>Create A New Filename</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>General Information (Training info etc.)</source>
        <translation>Allgemeines (Trainingsangaben usw.)</translation>
    </message>
    <message>
        <source>Network Responses</source>
        <translation>Antworten des Netzes</translation>
    </message>
    <message>
        <source>Network Errors</source>
        <translation>Fehler des Netzes</translation>
    </message>
    <message>
        <source>Connection Weights</source>
        <translation>Verbindungsgewichte</translation>
    </message>
    <message>
        <source>Input Patterns</source>
        <translation>Eingabemuster</translation>
    </message>
    <message>
        <source>Output Patterns</source>
        <translation>Ausgabemuster</translation>
    </message>
    <message>
        <source>Network SSE As A Function Of Sweeps</source>
        <translation>SSE des Netzes über die Durchgänge</translation>
    </message>
    <message>
        <source>Name Of File To Be Saved:</source>
        <translation>Name der zu speichernden Datei:</translation>
    </message>
    <message>
        <source>Save The File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, ein Perzeptron für den Unterricht: von seinen Entwicklern für alle, die einem Netz beim Lernen zusehen wollen.</translation>
    </message>
</context>
<context>
    <name>SeedsPanel</name>
    <message>
        <source>Run With Many Seeds</source>
        <translation>Mit vielen Seeds trainieren</translation>
    </message>
    <message>
        <source>The set-up page&apos;s settings, trained once from each seed: how much of the result is the random start&apos;s.</source>
        <translation>Die Einstellungen der Einstellungsseite, einmal mit jedem Seed trainiert: Wie viel vom Ergebnis kommt vom zufälligen Start?</translation>
    </message>
    <message>
        <source>&amp;First seed:</source>
        <translation>&amp;Erster Seed:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;Seeds:</source>
        <translation>&amp;Seeds:</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>St&amp;arten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
</context>
<context>
    <name>StepPanel</name>
    <message>
        <source>Step Through Training</source>
        <translation>Schrittweise trainieren</translation>
    </message>
    <message>
        <source>Step One &amp;Pattern</source>
        <translation>Ein &amp;Muster</translation>
    </message>
    <message>
        <source>Present the next pattern and apply the rule once (F10)</source>
        <translation>Das nächste Muster zeigen und die Regel einmal anwenden (F10)</translation>
    </message>
    <message>
        <source>Step One &amp;Epoch</source>
        <translation>Eine &amp;Epoche</translation>
    </message>
    <message>
        <source>Go on to the end of this epoch and stop there (F11)</source>
        <translation>Bis zum Ende dieser Epoche weitermachen und dort anhalten (F11)</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Laufen</translation>
    </message>
    <message>
        <source>Go on training without stopping after each pattern (F5)</source>
        <translation>Weitertrainieren, ohne nach jedem Muster anzuhalten (F5)</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Stop after the current pattern and wait for a step (F6)</source>
        <translation>Nach dem aktuellen Muster anhalten und auf einen Schritt warten (F6)</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>Output &amp;unit:</source>
        <translation>A&amp;usgabeeinheit:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>TestPerceptron</name>
    <message>
        <source>Testing The Perceptron -- Tarvik Neural Network Code</source>
        <translation>Das Perzeptron testen -- Tarvik-Code für neuronale Netze</translation>
    </message>
    <message>
        <source>Choose A Method For Examining Network Performance By Double-Clicking One Of The List Items Below:</source>
        <translation>Wählen Sie per Doppelklick auf einen Eintrag unten, wie Sie die Leistung des Netzes untersuchen wollen:</translation>
    </message>
    <message>
        <source>Probe Network Responses To Selected Patterns</source>
        <translation>Antworten auf gewählte Muster prüfen</translation>
    </message>
    <message>
        <source>Create A Summary In Excel</source>
        <translation>Zusammenfassung in Excel erstellen</translation>
    </message>
    <message>
        <source>Save Summary As A Text File</source>
        <translation>Zusammenfassung als Textdatei speichern</translation>
    </message>
    <message>
        <source>Plot SSE By Sweeps</source>
        <translation>SSE über die Durchgänge zeichnen</translation>
    </message>
    <message>
        <source>View The Network&apos;s Weights And Decisions</source>
        <translation>Gewichte und Entscheidungen des Netzes ansehen</translation>
    </message>
    <message>
        <source>Save The Trained Network</source>
        <translation>Trainiertes Netz speichern</translation>
    </message>
    <message>
        <source>Choose A Method For Continuing Training By Double-Clicking One Of The List Items Below:</source>
        <translation>Wählen Sie per Doppelklick auf einen Eintrag unten, wie das Training weitergehen soll:</translation>
    </message>
    <message>
        <source>Reset Weights And Train Again</source>
        <translation>Gewichte zurücksetzen und neu trainieren</translation>
    </message>
    <message>
        <source>Keep Current Weights And Continue Training</source>
        <translation>Gewichte behalten und weitertrainieren</translation>
    </message>
    <message>
        <source>Train A New Network On A New Problem</source>
        <translation>Neues Netz auf neuem Problem trainieren</translation>
    </message>
    <message>
        <source>Test Current Network On A New Problem</source>
        <translation>Aktuelles Netz auf neuem Problem testen</translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation>Gespeichertes Netz öffnen</translation>
    </message>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation>Trainingsmenge erstellen oder bearbeiten</translation>
    </message>
    <message>
        <source>Or....</source>
        <translation>Oder....</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, ein Perzeptron für den Unterricht: von seinen Entwicklern für alle, die einem Netz beim Lernen zusehen wollen.</translation>
    </message>
    <message>
        <source>Compare Kept Runs</source>
        <translation>Behaltene Läufe vergleichen</translation>
    </message>
    <message>
        <source>Confusion Tables And Accuracy</source>
        <translation>Konfusionstabellen und Genauigkeit</translation>
    </message>
</context>
<context>
    <name>WeightStart</name>
    <message>
        <source>Set Parameters For Randomly Choosing Initial Weights</source>
        <translation>Bereich für zufällige Startgewichte festlegen</translation>
    </message>
    <message>
        <source>Use The Controls Below To Control The Range Of Numbers From Which Weights Will Be Randomly Selected</source>
        <translation>Legen Sie mit den Reglern unten fest, aus welchem Zahlenbereich die Gewichte zufällig gewählt werden</translation>
    </message>
    <message>
        <source>Set The Maximum (Absolute) Value Of A Random Starting Weight</source>
        <translation>Größter (absoluter) Wert eines zufälligen Startgewichts</translation>
    </message>
    <message>
        <source>0.10</source>
        <translation>0.10</translation>
    </message>
    <message>
        <source>Set The Minimum (Absolute) Value Of A Random Starting Weight</source>
        <translation>Kleinster (absoluter) Wert eines zufälligen Startgewichts</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Weight Sign Selector</source>
        <translation>Vorzeichen der Gewichte</translation>
    </message>
    <message>
        <source>Positive &amp;&amp; Negative Weights</source>
        <translation>Positive &amp;&amp; negative Gewichte</translation>
    </message>
    <message>
        <source>Only Positive Weights</source>
        <translation>Nur positive Gewichte</translation>
    </message>
    <message>
        <source>Only Negative Weights</source>
        <translation>Nur negative Gewichte</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Diese Werte verwenden</translation>
    </message>
    <message>
        <source>Use Default Settings</source>
        <translation>Standardwerte verwenden</translation>
    </message>
</context>
<context>
    <name>vantorelle::CompareRuns</name>
    <message>
        <source>Total SSE of the chosen runs over epochs</source>
        <translation>Gesamt-SSE der gewählten Läufe über die Epochen</translation>
    </message>
    <message>
        <source>&amp;Logarithmic scale</source>
        <translation>Lo&amp;garithmische Skala</translation>
    </message>
    <message>
        <source>SSE &amp;Curves</source>
        <translation>SSE-&amp;Kurven</translation>
    </message>
    <message>
        <source>Settings and outcomes of the chosen runs</source>
        <translation>Einstellungen und Ergebnisse der gewählten Läufe</translation>
    </message>
    <message>
        <source>Rows marked %1, in bold on a tinted ground, differ between the runs.</source>
        <translation>Mit %1 markierte Zeilen, fett auf getöntem Grund, unterscheiden sich zwischen den Läufen.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>E&amp;instellungen</translation>
    </message>
    <message>
        <source>Decision planes of the chosen runs</source>
        <translation>Entscheidungsebenen der gewählten Läufe</translation>
    </message>
    <message>
        <source>&amp;Decision Planes</source>
        <translation>Entschei&amp;dungsebenen</translation>
    </message>
    <message>
        <source>Confusion tables of the chosen runs</source>
        <translation>Konfusionstabellen der gewählten Läufe</translation>
    </message>
    <message>
        <source>Con&amp;fusion</source>
        <translation>Kon&amp;fusionstabellen</translation>
    </message>
    <message>
        <source>No run has ended yet this sitting: each run the set-up page trains is kept here.</source>
        <translation>In dieser Sitzung ist noch kein Lauf zu Ende gegangen: Jeder Lauf, den die Einstellungsseite trainiert, wird hier behalten.</translation>
    </message>
    <message>
        <source>Tick two or more runs to lay their curves over each other.</source>
        <translation>Haken Sie zwei oder mehr Läufe an, um ihre Kurven übereinanderzulegen.</translation>
    </message>
    <message>
        <source>The total SSE after every epoch of each run.</source>
        <translation>Die Gesamt-SSE nach jeder Epoche jedes Laufs.</translation>
    </message>
    <message>
        <source>Decision plane of %1</source>
        <translation>Entscheidungsebene von %1</translation>
    </message>
    <message>
        <source>Tick the runs whose decisions to show.</source>
        <translation>Haken Sie die Läufe an, deren Entscheidungen gezeigt werden sollen.</translation>
    </message>
    <message>
        <source>Runs on files without exactly two inputs have no plane.</source>
        <translation>Läufe auf Dateien ohne genau zwei Eingaben haben keine Ebene.</translation>
    </message>
    <message>
        <source>Output unit 1 of each run; black discs want 1, white want 0, ringed ones are missed.</source>
        <translation>Ausgabeeinheit 1 jedes Laufs; schwarze Scheiben sollen 1 ergeben, weiße 0, umringte sind verfehlt.</translation>
    </message>
    <message>
        <source>; all hits: %1</source>
        <translation>; alle Treffer: %1</translation>
    </message>
    <message>
        <source>Select the run to save in the list first.</source>
        <translation>Wählen Sie zuerst in der Liste den Lauf, der gespeichert werden soll.</translation>
    </message>
    <message>
        <source>Saving a network is not available here.</source>
        <translation>Ein Netz zu speichern ist hier nicht möglich.</translation>
    </message>
</context>
<context>
    <name>vantorelle::ConfusionTables</name>
    <message>
        <source>No network yet: read a training file and train it first.</source>
        <translation>Noch kein Netz: Lesen Sie eine Trainingsdatei ein und trainieren Sie zuerst.</translation>
    </message>
</context>
<context>
    <name>vantorelle::CsvImportPanel</name>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoriert</translation>
    </message>
    <message>
        <source>&amp;Open CSV File...</source>
        <translation>CSV-Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>No file chosen.</source>
        <translation>Keine Datei gewählt.</translation>
    </message>
    <message>
        <source>&amp;Import Into The Table</source>
        <translation>In die Tabelle &amp;importieren</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Komma ( , )</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Semikolon ( ; )</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Bar ( | )</source>
        <translation>Strich ( | )</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Erste Zeile ist eine Kopfzeile</translation>
    </message>
    <message>
        <source>No header row</source>
        <translation>Keine Kopfzeile</translation>
    </message>
    <message>
        <source>Decimal point (1.5)</source>
        <translation>Dezimalpunkt (1.5)</translation>
    </message>
    <message>
        <source>Decimal comma (1,5)</source>
        <translation>Dezimalkomma (1,5)</translation>
    </message>
    <message>
        <source>The file&apos;s first rows, and what each column is for</source>
        <translation>Die ersten Zeilen der Datei und wofür jede Spalte steht</translation>
    </message>
    <message>
        <source>D&amp;elimiter:</source>
        <translation>Trennzeic&amp;hen:</translation>
    </message>
    <message>
        <source>&amp;Header:</source>
        <translation>&amp;Kopfzeile:</translation>
    </message>
    <message>
        <source>Nu&amp;mbers:</source>
        <translation>Zah&amp;len:</translation>
    </message>
    <message>
        <source>The first row of the grid says what each column is for: Input, Output, Class (one output per value, 1 for the row&apos;s class and 0 for the others) or Ignored.</source>
        <translation>Die erste Zeile des Rasters sagt, wofür jede Spalte steht: Eingabe, Ausgabe, Klasse (eine Ausgabe je Wert, 1 für die Klasse der Zeile und 0 für die anderen) oder Ignoriert.</translation>
    </message>
    <message>
        <source>Open A CSV File</source>
        <translation>CSV-Datei öffnen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwendung</translation>
    </message>
    <message>
        <source>Column %1 is</source>
        <translation>Spalte %1 ist</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>Die Datei enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>Spalten: %1 und %2</translation>
    </message>
    <message>
        <source>, and column %1 as the class</source>
        <translation>, und Spalte %1 als Klasse</translation>
    </message>
    <message>
        <source>Only one column can be the class: the others are ignored. </source>
        <translation>Nur eine Spalte kann die Klasse sein: Die anderen werden ignoriert. </translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Die ersten %1 Zeilen werden gezeigt.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Read %1 of %2 and %3 from &quot;%4&quot;.</source>
        <translation>Aus „%4“ gelesen: %1 mit %2 und %3.</translation>
    </message>
    <message>
        <source>%1 = output %2</source>
        <translation>%1 = Ausgabe %2</translation>
    </message>
    <message>
        <source> Classes: %1.</source>
        <translation> Klassen: %1.</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.tsv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 input column</source>
        <translation>%1 Eingabespalte</translation>
    </message>
    <message>
        <source>%1 input columns</source>
        <translation>%1 Eingabespalten</translation>
    </message>
    <message>
        <source>%1 output column</source>
        <translation>%1 Ausgabespalte</translation>
    </message>
    <message>
        <source>%1 output columns</source>
        <translation>%1 Ausgabespalten</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>%1 Muster</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 Muster</translation>
    </message>
    <message>
        <source>%1 input</source>
        <translation>%1 Eingabe</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 Eingaben</translation>
    </message>
    <message>
        <source>%1 output</source>
        <translation>%1 Ausgabe</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 Ausgaben</translation>
    </message>
</context>
<context>
    <name>vantorelle::DecisionView</name>
    <message>
        <source>sigmoid unit (Gradient rule)</source>
        <translation>Sigmoid (Gradient-Regel)</translation>
    </message>
    <message>
        <source>Gaussian unit (Tarvik rule)</source>
        <translation>Gauß-Einheit (Tarvik-Regel)</translation>
    </message>
    <message>
        <source>step unit (Delta rule)</source>
        <translation>Stufeneinheit (Delta-Regel)</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 Eingabe</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 Eingaben</translation>
    </message>
    <message>
        <source>The decision plane is drawn for networks with exactly two inputs, one along each side of the plane. This network has %1, so its patterns do not lie in such a plane; the weights show what each output unit has learned instead.</source>
        <translation>Die Entscheidungsebene wird für Netze mit genau zwei Eingaben gezeichnet, eine entlang jeder Seite der Ebene. Dieses Netz hat %1, seine Muster liegen also nicht in einer solchen Ebene; stattdessen zeigen die Gewichte, was jede Ausgabeeinheit gelernt hat.</translation>
    </message>
    <message>
        <source>There is no network to draw yet.</source>
        <translation>Es gibt noch kein Netz zum Zeichnen.</translation>
    </message>
    <message>
        <source>The network has no weights yet: train it on the set-up page first.</source>
        <translation>Das Netz hat noch keine Gewichte: Trainieren Sie es zuerst auf der Einstellungsseite.</translation>
    </message>
    <message>
        <source>Input 1</source>
        <translation>Eingabe 1</translation>
    </message>
    <message>
        <source>Input 2</source>
        <translation>Eingabe 2</translation>
    </message>
    <message>
        <source>Output %1, a %2</source>
        <translation>Ausgabe %1: %2</translation>
    </message>
    <message>
        <source>Shade: its activation</source>
        <translation>Schattierung: ihre Aktivierung</translation>
    </message>
    <message>
        <source>1 (it answers 1)</source>
        <translation>1 (sie antwortet 1)</translation>
    </message>
    <message>
        <source>0 (it answers 0)</source>
        <translation>0 (sie antwortet 0)</translation>
    </message>
    <message>
        <source>pattern, desired output 1</source>
        <translation>Muster, gewünschte Ausgabe 1</translation>
    </message>
    <message>
        <source>pattern, desired output 0</source>
        <translation>Muster, gewünschte Ausgabe 0</translation>
    </message>
    <message>
        <source>missed: squared error not below %1</source>
        <translation>verfehlt: quadr. Fehler ab %1</translation>
    </message>
    <message>
        <source>edges of the band where it answers 1</source>
        <translation>Ränder des Streifens mit Antwort 1</translation>
    </message>
    <message>
        <source>boundary: the answer changes</source>
        <translation>Grenze: Hier wechselt die Antwort</translation>
    </message>
    <message>
        <source>Missed: %1 of %2 patterns</source>
        <translation>Verfehlt: %1 von %2 Mustern</translation>
    </message>
</context>
<context>
    <name>vantorelle::ErrorCurveView</name>
    <message>
        <source>Showing the first %1 recorded points of %2</source>
        <translation>Gezeigt werden die ersten %1 von %2 aufgezeichneten Punkten</translation>
    </message>
    <message>
        <source>No error has been recorded yet: train the network on the set-up page first.</source>
        <translation>Es wurde noch kein Fehler aufgezeichnet: Trainieren Sie das Netz zuerst auf der Einstellungsseite.</translation>
    </message>
    <message>
        <source>Total SSE after %1 epochs: %2</source>
        <translation>Gesamt-SSE nach %1 Epochen: %2</translation>
    </message>
    <message>
        <source>Epochs</source>
        <translation>Epochen</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>Gesamt-SSE</translation>
    </message>
</context>
<context>
    <name>vantorelle::FileBrowser</name>
    <message>
        <source>The drive &quot;%1&quot; cannot be read: %2.<byte value="xd"/>The lists still show &quot;%3&quot;.</source>
        <translation>Das Laufwerk „%1“ kann nicht gelesen werden: %2.<byte value="xd"/>Die Listen zeigen weiter „%3“.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be listed: %2.<byte value="xd"/>The lists still show &quot;%3&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht aufgelistet werden: %2.<byte value="xd"/>Die Listen zeigen weiter „%3“.</translation>
    </message>
</context>
<context>
    <name>vantorelle::FolderList</name>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>vantorelle::Generalize</name>
    <message>
        <source>New file does not have the same number of inputs or outputs as the old!</source>
        <translation>Die neue Datei hat nicht dieselbe Anzahl an Eingaben oder Ausgaben wie die alte!</translation>
    </message>
    <message>
        <source>New file not input because it does not have the same number of inputs or outputs as the old!</source>
        <translation>Die neue Datei wurde nicht eingelesen, weil sie nicht dieselbe Anzahl an Eingaben oder Ausgaben wie die alte hat!</translation>
    </message>
    <message>
        <source>No file name has been selected!</source>
        <translation>Es wurde kein Dateiname ausgewählt!</translation>
    </message>
</context>
<context>
    <name>vantorelle::Lessons</name>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>%1 (cannot be opened)</source>
        <translation>%1 (kann nicht geöffnet werden)</translation>
    </message>
    <message>
        <source>No lessons found</source>
        <translation>Keine Lektionen gefunden</translation>
    </message>
    <message>
        <source>There are no lesson files in the lessons folder.</source>
        <translation>Im Lektionsordner liegen keine Lektionsdateien.</translation>
    </message>
    <message>
        <source>This lesson file cannot be opened.</source>
        <translation>Diese Lektionsdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 Schritt</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot put its training set in place: %2</source>
        <translation>Die Lektion „%1“ kann ihre Trainingsmenge nicht bereitstellen: %2</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Frage: %1</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Letzter Schritt</translation>
    </message>
    <message>
        <source>Open The Step Panel</source>
        <translation>Schrittfenster öffnen</translation>
    </message>
    <message>
        <source>Start Training</source>
        <translation>Training starten</translation>
    </message>
    <message>
        <source>Show The Decision Plane</source>
        <translation>Entscheidungsebene zeigen</translation>
    </message>
    <message>
        <source>Show The Weights</source>
        <translation>Gewichte zeigen</translation>
    </message>
    <message>
        <source>Show The Error Curve</source>
        <translation>Fehlerkurve zeigen</translation>
    </message>
    <message>
        <source>Show The SSE Graph</source>
        <translation>SSE-Graph zeigen</translation>
    </message>
    <message>
        <source>Test On The Held-Out Patterns</source>
        <translation>Mit den zurückgehaltenen Mustern testen</translation>
    </message>
    <message>
        <source>Train the network first: the held-out patterns test what it has learned.</source>
        <translation>Trainieren Sie das Netz zuerst: Die zurückgehaltenen Muster prüfen, was es gelernt hat.</translation>
    </message>
    <message>
        <source>The held-out patterns do not fit the network.</source>
        <translation>Die zurückgehaltenen Muster passen nicht zum Netz.</translation>
    </message>
    <message>
        <source>The lesson is shown in English: %1</source>
        <translation>Die Lektion wird auf Englisch gezeigt: %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::MakeTrainingSet</name>
    <message>
        <source>Training files (*.net);;All files (*)</source>
        <translation>Trainingsdateien (*.net);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>%1 Muster</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 Muster</translation>
    </message>
    <message>
        <source>%1 input</source>
        <translation>%1 Eingabe</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 Eingaben</translation>
    </message>
    <message>
        <source>%1 output</source>
        <translation>%1 Ausgabe</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 Ausgaben</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>A training set needs one input and one output at least: %1 stays.</source>
        <translation>Eine Trainingsmenge braucht mindestens eine Eingabe und eine Ausgabe: %1 bleibt.</translation>
    </message>
    <message>
        <source>%1 of %2 and %3</source>
        <comment>26 patterns of 35 inputs and 26 outputs</comment>
        <translation>%1 mit %2 und %3</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>%1 erzeugen</translation>
    </message>
    <message>
        <source>Hold out (%): &quot;%1&quot; is not a share from 0 to below 100.</source>
        <translation>Zurückhalten (%): „%1“ ist kein Anteil von 0 bis unter 100.</translation>
    </message>
    <message>
        <source>Hold out (%): %1% of %2 leaves none to hold out.</source>
        <translation>Zurückhalten (%): %1 % von %2 lässt keines zum Zurückhalten übrig.</translation>
    </message>
    <message>
        <source>Hold out (%): %1% of %2 leaves none to train on.</source>
        <translation>Zurückhalten (%): %1 % von %2 lässt keines zum Trainieren übrig.</translation>
    </message>
    <message>
        <source>Save The Training Set</source>
        <translation>Trainingsmenge speichern</translation>
    </message>
    <message>
        <source>The test file &quot;%1&quot; exists.<byte value="xd"/>Replace it?</source>
        <translation>Die Testdatei „%1“ gibt es schon.<byte value="xd"/>Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;: %2.</source>
        <translation>„%1“ gespeichert: %2.</translation>
    </message>
    <message>
        <source>The %1 held out are in &quot;%2&quot;.</source>
        <translation>Die zurückgehaltenen %1 stehen in „%2“.</translation>
    </message>
</context>
<context>
    <name>vantorelle::NetworkView</name>
    <message>
        <source>%1: %2, %3, %4, %5 rule.</source>
        <translation>%1: %2, %3, %4, %5-Regel.</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>inputs</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>outputs</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Epoch %1: total SSE %2, misses %3</source>
        <translation>Epoche %1: Gesamt-SSE %2, Fehltreffer %3</translation>
    </message>
    <message>
        <source> (training)</source>
        <translation> (Training)</translation>
    </message>
    <message>
        <source>Decision Plane Of Output %1 - %2</source>
        <translation>Entscheidungsebene von Ausgabe %1 - %2</translation>
    </message>
    <message>
        <source>Error Curve - %1</source>
        <translation>Fehlerkurve - %1</translation>
    </message>
    <message>
        <source>Weights Of The Network - %1</source>
        <translation>Gewichte des Netzes - %1</translation>
    </message>
    <message>
        <source>Save The Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>%1 gibt es schon.</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG or SVG files.<byte value="xd"/>Please choose a name ending in .png or .svg.</source>
        <translation>Bilder werden als PNG- oder SVG-Dateien gespeichert.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.<byte value="xd"/>%2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation>Die Zeichnung konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Das Bild konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>vantorelle::Perceptron</name>
    <message>
        <source>Epochs of this run</source>
        <translation>Epochen dieses Laufs</translation>
    </message>
    <message>
        <source>from the clock</source>
        <translation>aus der Uhrzeit</translation>
    </message>
    <message>
        <source>Ends the run after the current epoch (Esc)</source>
        <translation>Beendet den Lauf nach der aktuellen Epoche (Esc)</translation>
    </message>
    <message>
        <source>Maximum Weight = %1</source>
        <translation>Max. Gewicht = %1</translation>
    </message>
    <message>
        <source>Minimum Weight = %1</source>
        <translation>Min. Gewicht = %1</translation>
    </message>
    <message>
        <source>Weight Sign = %1</source>
        <translation>Vorzeichen = %1</translation>
    </message>
    <message>
        <source>Maximum Threshold = %1</source>
        <translation>Max. Schwelle = %1</translation>
    </message>
    <message>
        <source>Minimum Threshold = %1</source>
        <translation>Min. Schwelle = %1</translation>
    </message>
    <message>
        <source>Threshold Sign = %1</source>
        <translation>Vorzeichen = %1</translation>
    </message>
    <message>
        <source>The random seed must be a whole number from 0 to 18446744073709551615, or empty for a seed from the clock.</source>
        <translation>Der Seed muss eine ganze Zahl von 0 bis 18446744073709551615 sein, oder leer für einen Seed aus der Uhrzeit.</translation>
    </message>
    <message>
        <source>Seed Of This Run = %1</source>
        <translation>Seed dieses Laufs = %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::PlotSSEdata</name>
    <message>
        <source>%1: the history keeps no more.</source>
        <translation>%1: Mehr behält der Verlauf nicht.</translation>
    </message>
    <message>
        <source>Total Sum Of Squared Error As A Function Of Training Sweeps</source>
        <translation>Gesamtsumme der quadrierten Fehler über die Trainingsdurchgänge</translation>
    </message>
    <message>
        <source>Network SSE</source>
        <translation>SSE des Netzes</translation>
    </message>
    <message>
        <source>Sweeps Of Training</source>
        <translation>Trainingsdurchgänge</translation>
    </message>
</context>
<context>
    <name>vantorelle::ProbeNetwork</name>
    <message>
        <source>Pattern: %1</source>
        <translation>Muster: %1</translation>
    </message>
    <message>
        <source>Response (A):</source>
        <translation>Antwort (A):</translation>
    </message>
    <message>
        <source>Desired  (D):</source>
        <translation>Soll     (D):</translation>
    </message>
    <message>
        <source>Error  (D-A):</source>
        <translation>Fehler (D-A):</translation>
    </message>
    <message>
        <source>Close the page? The probe results in its window will be lost.</source>
        <translation>Seite schließen? Die Prüfergebnisse in ihrem Fenster gehen verloren.</translation>
    </message>
    <message>
        <source>The network has not been built for the patterns of &quot;%1&quot; yet, so they cannot be probed.<byte value="xd"/>Train a network on them first.</source>
        <translation>Das Netz ist noch nicht für die Muster von „%1“ aufgebaut, daher können sie nicht geprüft werden.<byte value="xd"/>Trainieren Sie zuerst ein Netz mit ihnen.</translation>
    </message>
    <message>
        <source>Pattern Number</source>
        <translation>Musternummer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the number of a pattern.<byte value="xd"/>Type a whole number from 1 to %2.</source>
        <translation>„%1“ ist nicht die Nummer eines Musters.<byte value="xd"/>Geben Sie eine ganze Zahl von 1 bis %2 ein.</translation>
    </message>
    <message>
        <source>Results Of Testing Distributed Memory On %1</source>
        <translation>Ergebnisse der Prüfung des verteilten Speichers mit %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::RunCurvesView</name>
    <message>
        <source>Epochs</source>
        <translation>Epochen</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>Gesamt-SSE</translation>
    </message>
</context>
<context>
    <name>vantorelle::SaveResults</name>
    <message>
        <source>A folder name cannot be made of blanks only.</source>
        <translation>Ein Ordnername kann nicht nur aus Leerzeichen bestehen.</translation>
    </message>
    <message>
        <source>A file name cannot be made of blanks only.</source>
        <translation>Ein Dateiname kann nicht nur aus Leerzeichen bestehen.</translation>
    </message>
    <message>
        <source>A folder name cannot hold &quot;/&quot;; choose the folder in the lists instead.</source>
        <translation>Ein Ordnername kann kein „/“ enthalten; wählen Sie den Ordner stattdessen in den Listen.</translation>
    </message>
    <message>
        <source>A file name cannot hold &quot;/&quot;; choose the folder in the lists instead.</source>
        <translation>Ein Dateiname kann kein „/“ enthalten; wählen Sie den Ordner stattdessen in den Listen.</translation>
    </message>
    <message>
        <source>A folder name cannot be made of dots only.</source>
        <translation>Ein Ordnername kann nicht nur aus Punkten bestehen.</translation>
    </message>
    <message>
        <source>A file name cannot be made of dots only.</source>
        <translation>Ein Dateiname kann nicht nur aus Punkten bestehen.</translation>
    </message>
    <message>
        <source>A folder name cannot hold a zero character.</source>
        <translation>Ein Ordnername kann kein Nullzeichen enthalten.</translation>
    </message>
    <message>
        <source>A file name cannot hold a zero character.</source>
        <translation>Ein Dateiname kann kein Nullzeichen enthalten.</translation>
    </message>
    <message>
        <source>The name is longer than the %1 bytes a file system allows.</source>
        <translation>Der Name ist länger als die %1 Byte, die ein Dateisystem erlaubt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a folder.</source>
        <translation>„%1“ kann nicht der Name eines Ordners sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a file.</source>
        <translation>„%1“ kann nicht der Name einer Datei sein.</translation>
    </message>
    <message>
        <source>Enter name of directory:</source>
        <translation>Name des Ordners eingeben:</translation>
    </message>
    <message>
        <source>Create Directory</source>
        <translation>Ordner anlegen</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>es gibt ihn schon</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>eine Datei mit diesem Namen ist im Weg</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>The lists still show &quot;%3&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2.<byte value="xd"/>Die Listen zeigen weiter „%3“.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was created but cannot be listed: %2.</source>
        <translation>Der Ordner „%1“ wurde angelegt, kann aber nicht aufgelistet werden: %2.</translation>
    </message>
    <message>
        <source>Enter name of file to save:</source>
        <translation>Name der zu speichernden Datei eingeben:</translation>
    </message>
    <message>
        <source>Name File</source>
        <translation>Datei benennen</translation>
    </message>
    <message>
        <source>No file has been chosen to save to.<byte value="xd"/>Click a file in the list or use &quot;Create A New Filename&quot; first.</source>
        <translation>Es wurde keine Datei zum Speichern gewählt.<byte value="xd"/>Klicken Sie zuerst auf eine Datei in der Liste oder verwenden Sie „Neuer Dateiname“.</translation>
    </message>
    <message>
        <source>File already exists -- overwrite it?</source>
        <translation>Die Datei gibt es schon -- überschreiben?</translation>
    </message>
    <message>
        <source>Pre-existing Filename</source>
        <translation>Vorhandener Dateiname</translation>
    </message>
</context>
<context>
    <name>vantorelle::SeedsPanel</name>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Epochs</source>
        <translation>Epochen</translation>
    </message>
    <message>
        <source>All Hits</source>
        <translation>Alle Treffer</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>Gesamt-SSE</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>One line a seed</source>
        <translation>Eine Zeile je Seed</translation>
    </message>
    <message>
        <source>Runs done</source>
        <translation>Erledigte Läufe</translation>
    </message>
    <message>
        <source>The set-up page is training: let its run end first.</source>
        <translation>Die Einstellungsseite trainiert gerade: Lassen Sie ihren Lauf erst zu Ende gehen.</translation>
    </message>
    <message>
        <source>The first seed must be a whole number from 0 to %1 less the number of seeds.</source>
        <translation>Der erste Seed muss eine ganze Zahl von 0 bis %1 minus der Anzahl der Seeds sein.</translation>
    </message>
    <message>
        <source>Running %1 seeds on %2 threads...</source>
        <translation>%1 Seeds laufen auf %2 Threads...</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source> (stopped: %1 of %2 seeds ran)</source>
        <translation> (gestoppt: %1 von %2 Seeds gelaufen)</translation>
    </message>
    <message>
        <source>Export The Seeds As CSV</source>
        <translation>Seeds als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The table has been written to %1.</source>
        <translation>Die Tabelle wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation>Die Tabelle konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>vantorelle::SetDrawing</name>
    <message>
        <source>sigmoid unit</source>
        <translation>Sigmoid-Einheit</translation>
    </message>
    <message>
        <source>Gaussian unit</source>
        <translation>Gauß-Einheit</translation>
    </message>
    <message>
        <source>step unit</source>
        <translation>Stufeneinheit</translation>
    </message>
    <message>
        <source>Drawing of the patterns</source>
        <translation>Zeichnung der Muster</translation>
    </message>
    <message>
        <source>Points are drawn on the plane of two inputs, one along each side. This set has %1, so its patterns are edited in the table; make a set of two inputs to draw one.</source>
        <translation>Punkte werden auf die Ebene zweier Eingaben gezeichnet, eine entlang jeder Seite. Diese Menge hat %1, ihre Muster werden deshalb in der Tabelle bearbeitet; erstellen Sie eine Menge mit zwei Eingaben, um eine zu zeichnen.</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 Eingabe</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 Eingaben</translation>
    </message>
    <message>
        <source>desired output %1</source>
        <translation>gewünschte Ausgabe %1</translation>
    </message>
    <message>
        <source>class %1 (output %1 is 1)</source>
        <translation>Klasse %1 (Ausgabe %1 ist 1)</translation>
    </message>
    <message>
        <source> (new points)</source>
        <translation> (neue Punkte)</translation>
    </message>
    <message>
        <source>Shade: the network&apos;s output %1, a %2; the line is where its answer changes.</source>
        <translation>Schattierung: die Ausgabe %1 des Netzes, eine %2; die Linie zeigt, wo seine Antwort wechselt.</translation>
    </message>
    <message>
        <source>ringed: missed by it</source>
        <translation>umringt: von ihm verfehlt</translation>
    </message>
    <message>
        <source>Train a network on this set (two inputs, %1) and its answer shows under the points.</source>
        <translation>Trainieren Sie ein Netz auf dieser Menge (zwei Eingaben, %1), dann erscheint seine Antwort unter den Punkten.</translation>
    </message>
    <message>
        <source>one output</source>
        <translation>eine Ausgabe</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 Ausgaben</translation>
    </message>
    <message>
        <source>Click to add a point; drag a point to move it; right-click it, or select it and press Delete, to remove it.</source>
        <translation>Klicken fügt einen Punkt hinzu; Ziehen verschiebt einen Punkt; Rechtsklick auf einen Punkt, oder ihn wählen und Entf drücken, entfernt ihn.</translation>
    </message>
</context>
<context>
    <name>vantorelle::SetTable</name>
    <message>
        <source>Input %1</source>
        <translation>Eingabe %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgabe %1</translation>
    </message>
    <message>
        <source>Row %1, column %2 (%3): is empty.</source>
        <translation>Zeile %1, Spalte %2 (%3): ist leer.</translation>
    </message>
    <message>
        <source>Row %1, column %2 (%3): &quot;%4&quot; is not a number.</source>
        <translation>Zeile %1, Spalte %2 (%3): „%4“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Write numbers like %1 or %2.</source>
        <translation>Schreiben Sie Zahlen wie %1 oder %2.</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate a row</source>
        <translation>Zeile verdoppeln</translation>
    </message>
    <message>
        <source>Duplicate rows</source>
        <translation>Zeilen verdoppeln</translation>
    </message>
    <message>
        <source>Delete a row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Delete rows</source>
        <translation>Zeilen löschen</translation>
    </message>
    <message>
        <source>Add an input</source>
        <translation>Eingabe hinzufügen</translation>
    </message>
    <message>
        <source>Add an output</source>
        <translation>Ausgabe hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 verdoppeln</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Add a point</source>
        <translation>Punkt hinzufügen</translation>
    </message>
    <message>
        <source>Remove point %1</source>
        <translation>Punkt %1 entfernen</translation>
    </message>
    <message>
        <source>Row %1 of the pasted cells is %2 wide, but from column %3 the table has only %4 columns.<byte value="xd"/>Add columns first, or paste further left.</source>
        <translation>Zeile %1 der eingefügten Zellen ist %2 breit, aber ab Spalte %3 hat die Tabelle nur %4 Spalten.<byte value="xd"/>Fügen Sie zuerst Spalten hinzu oder fügen Sie weiter links ein.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Edit %1 of row %2</source>
        <translation>%1 in Zeile %2 bearbeiten</translation>
    </message>
    <message>
        <source>Move point %1</source>
        <translation>Punkt %1 verschieben</translation>
    </message>
</context>
<context>
    <name>vantorelle::StartRangePage</name>
    <message>
        <source>The maximum weight must be a number, such as %1.</source>
        <translation>Das maximale Gewicht muss eine Zahl sein, etwa %1.</translation>
    </message>
    <message>
        <source>The minimum weight must be a number, such as %1.</source>
        <translation>Das minimale Gewicht muss eine Zahl sein, etwa %1.</translation>
    </message>
    <message>
        <source>The maximum threshold must be a number, such as %1.</source>
        <translation>Die maximale Schwelle muss eine Zahl sein, etwa %1.</translation>
    </message>
    <message>
        <source>The minimum threshold must be a number, such as %1.</source>
        <translation>Die minimale Schwelle muss eine Zahl sein, etwa %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Nothing has been changed.</source>
        <translation>„%1“ ist keine Zahl. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>vantorelle::StepPanel</name>
    <message>
        <source>As fast as possible</source>
        <translation>So schnell wie möglich</translation>
    </message>
    <message>
        <source>1 pattern a second</source>
        <translation>1 Muster pro Sekunde</translation>
    </message>
    <message>
        <source>%1 patterns a second</source>
        <translation>%1 Muster pro Sekunde</translation>
    </message>
    <message>
        <source>The arithmetic of the step</source>
        <translation>Die Rechnung des Schritts</translation>
    </message>
    <message>
        <source>The unit&apos;s weights before and after the step</source>
        <translation>Die Gewichte der Einheit vor und nach dem Schritt</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Output unit</source>
        <translation>Ausgabeeinheit</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Input x</source>
        <translation>Eingabe x</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>No step yet: &quot;Step One Pattern&quot; presents the next pattern and stops.</source>
        <translation>Noch kein Schritt: „Ein Muster“ zeigt das nächste Muster und hält an.</translation>
    </message>
    <message>
        <source>Epoch %1: pattern %2, presented %3 in this epoch&apos;s order (rule: %4, rate %5)</source>
        <translation>Epoche %1: Muster %2, %3 in der Reihenfolge dieser Epoche gezeigt (Regel: %4, Rate %5)</translation>
    </message>
    <message>
        <source>first</source>
        <translation>als erstes</translation>
    </message>
    <message>
        <source>as number %1</source>
        <translation>als Nummer %1</translation>
    </message>
    <message>
        <source>  (changed)</source>
        <translation>  (geändert)</translation>
    </message>
    <message>
        <source>threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>The other %1 units: %2 changed, %3 unchanged</source>
        <translation>Die anderen %1 Einheiten: %2 geändert, %3 unverändert</translation>
    </message>
</context>
<context>
    <name>vantorelle::TestPerceptron</name>
    <message>
        <source>No method for continuing has been selected!</source>
        <translation>Es wurde keine Art des Fortfahrens gewählt!</translation>
    </message>
    <message>
        <source>Saving the network is not available here.</source>
        <translation>Das Netz zu speichern ist hier nicht möglich.</translation>
    </message>
    <message>
        <source>Opening a saved network is not available here.</source>
        <translation>Ein gespeichertes Netz zu öffnen ist hier nicht möglich.</translation>
    </message>
    <message>
        <source>Saving the summary as a text file is not available yet.</source>
        <translation>Die Zusammenfassung als Textdatei zu speichern ist noch nicht möglich.</translation>
    </message>
</context>
<context>
    <name>vantorelle::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Tiefer</translation>
    </message>
</context>
<context>
    <name>vantorelle::WeightsView</name>
    <message>
        <source>Output %1: threshold %2</source>
        <translation>Ausgabe %1: Schwelle %2</translation>
    </message>
    <message>
        <source>Output %1, input %2: weight %3</source>
        <translation>Ausgabe %1, Eingabe %2: Gewicht %3</translation>
    </message>
    <message>
        <source>The network has no weights yet: train it on the set-up page first.</source>
        <translation>Das Netz hat noch keine Gewichte: Trainieren Sie es zuerst auf der Einstellungsseite.</translation>
    </message>
    <message>
        <source>Weight colours, each unit on its own contrast (thresholds, the cells on the right, on one scale)</source>
        <translation>Gewichtsfarben, jede Einheit mit eigenem Kontrast (Schwellen, die Zellen rechts, auf einer Skala)</translation>
    </message>
    <message>
        <source>Weight colours (threshold: the cell on the right of each unit)</source>
        <translation>Gewichtsfarben (Schwelle: die Zelle rechts jeder Einheit)</translation>
    </message>
    <message>
        <source>lowest</source>
        <translation>kleinstes</translation>
    </message>
    <message>
        <source>highest</source>
        <translation>größtes</translation>
    </message>
    <message>
        <source>dark: the unit&apos;s lowest weight, light: its highest</source>
        <translation>dunkel: das kleinste Gewicht der Einheit, hell: ihr größtes</translation>
    </message>
    <message>
        <source>dark: negative, grey: near 0, light: positive</source>
        <translation>dunkel: negativ, grau: nahe 0, hell: positiv</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgabe %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::WorkbookExport</name>
    <message>
        <source>The workbook has been saved as &quot;%1&quot;, but no program for spreadsheet (.xlsx) files could be started to show it.<byte value="xd"/>Open it with a spreadsheet program such as LibreOffice Calc.</source>
        <translation>Die Arbeitsmappe wurde als „%1“ gespeichert, aber kein Programm für Tabellendateien (.xlsx) konnte gestartet werden, um sie zu zeigen.<byte value="xd"/>Öffnen Sie sie mit einer Tabellenkalkulation wie LibreOffice Calc.</translation>
    </message>
</context>
</TS>
