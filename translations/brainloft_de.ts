<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Brainloft</source>
        <translation>Über Brainloft</translation>
    </message>
    <message>
        <source>Brainloft version 1.0</source>
        <translation>Brainloft Version 1.0</translation>
    </message>
    <message>
        <source>Build quizzes and flash cards, take them, and keep a log of the results.</source>
        <translation>Quiz und Lernkarten erstellen, durchführen und die Ergebnisse protokollieren.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later: you may use, share and change it. It comes with no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später: Sie dürfen sie verwenden, weitergeben und verändern. Sie wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApplyDefaultsDialog</name>
    <message>
        <source>Apply Default Settings</source>
        <translation>Vorgaben übernehmen</translation>
    </message>
    <message>
        <source>Choose the setting(s) you wish to apply:</source>
        <translation>Wählen Sie, welche Vorgaben übernommen werden sollen:</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Punktwert</translation>
    </message>
    <message>
        <source>&amp;Time Limit</source>
        <translation>&amp;Zeitlimit</translation>
    </message>
    <message>
        <source>&amp;Reduce score over time</source>
        <translation>Punktwert mit der Zeit &amp;verringern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You must choose at least one settting to apply!</source>
        <translation>Sie müssen mindestens eine Vorgabe zum Übernehmen auswählen!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: </source>
        <extracomment>The start of the --help text; the lines below it are indented to match.</extracomment>
        <translation>Aufruf: </translation>
    </message>
    <message>
        <source>Builds and takes quizzes.
</source>
        <translation>Erstellt Quiz und führt sie durch.
</translation>
    </message>
    <message>
        <source>  QUIZ.blz          take the quiz, then quit
  --edit QUIZ.blz   open the quiz for editing (asks for its password)
  --results QUIZ.blz [MORE.blg ...]
                    show the results in the quiz&apos;s log and in the other logs
                    named; with any of these options, write files instead:
    --takers-csv FILE    one row per logged attempt
    --items-csv FILE     one row per question: facility, discrimination and
                         how often each answer was chosen
    --summary-csv FILE   the class&apos;s figures in one row
    --report-pdf FILE    the summary, the charts and the question table
  --import FILE --output NEW.blz
                    make a new quiz from the questions in FILE; an existing
                    file is never replaced
    --format FORMAT      gift, aiken, moodle-xml, csv or tsv (guessed when
                         not given)
    --flash-cards        make a quiz of flash cards
  --export FORMAT QUIZ.blz OUTPUT
                    write the quiz as gift, aiken, moodle-xml, qti, csv or tsv
  --print-pdf QUIZ.blz OUT.pdf
                    write the quiz as an exam paper
    --answer-key         add the answer key
    --key-only           write only the answer key
    --versions N         N versions (1 to 26, A to Z), each in its own order
  --uninstall       remove Brainloft&apos;s desktop entries and program files
  --help            show this help and quit
  --version         show the version and quit
</source>
        <extracomment>Keep the options, the FILE/QUIZ.blz words and the layout: the explanations start in column 21 (23 under an option of its own) and lines end before column 80.</extracomment>
        <translation>  QUIZ.blz          das Quiz durchführen, dann beenden
  --edit QUIZ.blz   das Quiz zum Bearbeiten öffnen (fragt nach dem Passwort)
  --results QUIZ.blz [MORE.blg ...]
                    die Ergebnisse im Protokoll des Quiz und in den weiteren
                    genannten Protokollen zeigen; mit einer dieser Optionen
                    stattdessen Dateien schreiben:
    --takers-csv FILE    eine Zeile je protokolliertem Durchgang
    --items-csv FILE     eine Zeile je Frage: Lösungsquote, Trennschärfe und
                         wie oft jede Antwort gewählt wurde
    --summary-csv FILE   die Zahlen der Klasse in einer Zeile
    --report-pdf FILE    die Übersicht, die Diagramme und die Fragentabelle
  --import FILE --output NEW.blz
                    ein neues Quiz aus den Fragen in FILE erstellen; eine
                    vorhandene Datei wird nie ersetzt
    --format FORMAT      gift, aiken, moodle-xml, csv oder tsv (wird erraten,
                         wenn nicht angegeben)
    --flash-cards        ein Lernkarten-Quiz erstellen
  --export FORMAT QUIZ.blz OUTPUT
                    das Quiz als gift, aiken, moodle-xml, qti, csv oder tsv
                    schreiben
  --print-pdf QUIZ.blz OUT.pdf
                    das Quiz als Aufgabenblatt schreiben
    --answer-key         den Lösungsschlüssel hinzufügen
    --key-only           nur den Lösungsschlüssel schreiben
    --versions N         N Gruppen (1 bis 26, A bis Z), jede in eigener
                         Reihenfolge
  --uninstall       die Desktop-Einträge und Programmdateien von Brainloft
                    entfernen
  --help            diese Hilfe zeigen und beenden
  --version         die Version zeigen und beenden
</translation>
    </message>
    <message>
        <source>Options may also be written /edit and /uninstall.
</source>
        <translation>Optionen können auch als /edit und /uninstall geschrieben werden.
</translation>
    </message>
    <message>
        <source>The commands that write files need no display and leave the desktop&apos;s files
alone. Those that reveal a quiz&apos;s answers or results need its password: from
the environment variable BRAINLOFT_PASSWORD, or asked on the terminal.
</source>
        <translation>Die Befehle, die Dateien schreiben, brauchen keine Anzeige und lassen die
Dateien der Arbeitsumgebung unberührt. Befehle, die Antworten oder Ergebnisse
eines Quiz zeigen, brauchen dessen Passwort: aus der Umgebungsvariablen
BRAINLOFT_PASSWORD oder am Terminal abgefragt.
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 failed, 2 bad arguments, 3 wrong password.
</source>
        <translation>Rückgabewert: 0 erledigt, 1 fehlgeschlagen, 2 falsche Argumente, 3 falsches
Passwort.
</translation>
    </message>
    <message>
        <source>an empty argument names no file</source>
        <translation>ein leeres Argument benennt keine Datei</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>--results needs the quiz file</source>
        <translation>--results braucht die Quiz-Datei</translation>
    </message>
    <message>
        <source>--import needs the file to read</source>
        <translation>--import braucht die zu lesende Datei</translation>
    </message>
    <message>
        <source>--import reads one file</source>
        <translation>--import liest eine Datei</translation>
    </message>
    <message>
        <source>--import needs --output NEW.blz</source>
        <translation>--import braucht --output NEW.blz</translation>
    </message>
    <message>
        <source>unknown import format %1</source>
        <translation>unbekanntes Importformat %1</translation>
    </message>
    <message>
        <source>--export needs a format, the quiz and the file to write</source>
        <translation>--export braucht ein Format, das Quiz und die zu schreibende Datei</translation>
    </message>
    <message>
        <source>unknown export format %1</source>
        <translation>unbekanntes Exportformat %1</translation>
    </message>
    <message>
        <source>--print-pdf needs the quiz and the PDF file to write</source>
        <translation>--print-pdf braucht das Quiz und die zu schreibende PDF-Datei</translation>
    </message>
    <message>
        <source>--answer-key and --key-only exclude each other</source>
        <translation>--answer-key und --key-only schließen einander aus</translation>
    </message>
    <message>
        <source>--versions takes a number from 1 to 26</source>
        <translation>--versions nimmt eine Zahl von 1 bis 26</translation>
    </message>
    <message>
        <source>only one of --results, --import, --export and --print-pdf at a time</source>
        <translation>nur eine der Optionen --results, --import, --export und --print-pdf zugleich</translation>
    </message>
    <message>
        <source>%1 does not go with --edit or --uninstall</source>
        <translation>%1 passt nicht zu --edit oder --uninstall</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>no ANSWER line</source>
        <translation>keine ANSWER-Zeile</translation>
    </message>
    <message>
        <source>the question has no answers</source>
        <translation>die Frage hat keine Antworten</translation>
    </message>
    <message>
        <source>ANSWER names no answer of the question</source>
        <translation>ANSWER nennt keine Antwort der Frage</translation>
    </message>
    <message>
        <source>a line is neither an answer nor the ANSWER line</source>
        <translation>eine Zeile ist weder eine Antwort noch die ANSWER-Zeile</translation>
    </message>
    <message>
        <source>The file holds no Aiken questions.</source>
        <translation>Die Datei enthält keine Aiken-Fragen.</translation>
    </message>
    <message>
        <source>Aiken holds no flash cards</source>
        <translation>Aiken kennt keine Lernkarten</translation>
    </message>
    <message>
        <source>Aiken holds only questions with one correct answer</source>
        <translation>Aiken kennt nur Fragen mit einer richtigen Antwort</translation>
    </message>
    <message>
        <source>Aiken needs a question text</source>
        <translation>Aiken braucht einen Fragetext</translation>
    </message>
    <message>
        <source>too many answers</source>
        <translation>zu viele Antworten</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>Die Datei enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>The first row is not a header this program knows. It should be &quot;Question,A,B,C,D,E,Correct,Score,Time limit&quot; or &quot;Question,Answer,Score,Time limit&quot;.</source>
        <translation>Die erste Zeile ist keine Kopfzeile, die Brainloft kennt. Sie sollte „Question,A,B,C,D,E,Correct,Score,Time limit“ oder „Question,Answer,Score,Time limit“ lauten.</translation>
    </message>
    <message>
        <source>the score &quot;%1&quot; is not a whole number</source>
        <translation>der Punktwert „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the time limit &quot;%1&quot; is not a whole number of seconds</source>
        <translation>das Zeitlimit „%1“ ist keine ganze Zahl von Sekunden</translation>
    </message>
    <message>
        <source>Correct names %1, which is no answer of the question</source>
        <translation>„Correct“ nennt %1, aber die Frage hat keine solche Antwort</translation>
    </message>
    <message>
        <source>a CSV file of flash cards holds no questions</source>
        <translation>eine CSV-Datei mit Lernkarten enthält keine Multiple-Choice-Fragen</translation>
    </message>
    <message>
        <source>a CSV file of questions holds no flash cards</source>
        <translation>eine CSV-Datei mit Fragen enthält keine Lernkarten</translation>
    </message>
    <message>
        <source>CSV holds at most five answers</source>
        <translation>CSV fasst höchstens fünf Antworten</translation>
    </message>
    <message>
        <source>the line has no back: no separator found</source>
        <translation>die Zeile hat keine Rückseite: kein Trennzeichen gefunden</translation>
    </message>
    <message>
        <source>Only the first two fields of each line are read; the others (tags, further fields) are dropped.</source>
        <translation>Nur die ersten beiden Felder jeder Zeile werden gelesen; die übrigen (Schlagwörter, weitere Felder) entfallen.</translation>
    </message>
    <message>
        <source>The file holds no flash cards.</source>
        <translation>Die Datei enthält keine Lernkarten.</translation>
    </message>
    <message>
        <source>TSV holds only flash cards</source>
        <translation>TSV kennt nur Lernkarten</translation>
    </message>
    <message>
        <source>unbalanced braces</source>
        <translation>ungepaarte geschweifte Klammern</translation>
    </message>
    <message>
        <source>description questions have no counterpart in Brainloft</source>
        <translation>Beschreibungen haben in Brainloft keine Entsprechung</translation>
    </message>
    <message>
        <source>essay questions have no counterpart in Brainloft</source>
        <translation>Freitextfragen haben in Brainloft keine Entsprechung</translation>
    </message>
    <message>
        <source>numerical questions have no counterpart in Brainloft</source>
        <translation>numerische Fragen haben in Brainloft keine Entsprechung</translation>
    </message>
    <message>
        <source>the answers could not be read</source>
        <translation>die Antworten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>matching questions have no counterpart in Brainloft</source>
        <translation>Zuordnungsfragen haben in Brainloft keine Entsprechung</translation>
    </message>
    <message>
        <source>short-answer questions become flash cards only in a flash-card quiz</source>
        <translation>Kurzantwortfragen werden nur in einem Lernkarten-Quiz zu Lernkarten</translation>
    </message>
    <message>
        <source>no answer gives full credit</source>
        <translation>keine Antwort bringt die volle Punktzahl</translation>
    </message>
    <message>
        <source>feedback dropped</source>
        <translation>Feedback entfällt</translation>
    </message>
    <message>
        <source>The file holds no GIFT questions.</source>
        <translation>Die Datei enthält keine GIFT-Fragen.</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; is left out: a question shows one picture</source>
        <translation>die Datei „%1“ entfällt: Eine Frage zeigt nur ein Bild</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; is no picture Brainloft can show (or it is too large): it is left out</source>
        <translation>die Datei „%1“ ist kein Bild, das Brainloft zeigen kann (oder zu groß), und entfällt</translation>
    </message>
    <message>
        <source>categories have no counterpart in Brainloft: the questions after it go into the one quiz</source>
        <translation>Kategorien haben in Brainloft keine Entsprechung: Die folgenden Fragen kommen alle in das eine Quiz</translation>
    </message>
    <message>
        <source>descriptions have no counterpart in Brainloft</source>
        <translation>Beschreibungen haben in Brainloft keine Entsprechung</translation>
    </message>
    <message>
        <source>embedded answers (cloze) have no counterpart in Brainloft</source>
        <translation>Lückentextfragen (Cloze) haben in Brainloft keine Entsprechung</translation>
    </message>
    <message>
        <source>questions of type &apos;%1&apos; have no counterpart in Brainloft</source>
        <translation>Fragen vom Typ „%1“ haben in Brainloft keine Entsprechung</translation>
    </message>
    <message>
        <source>multiple-choice questions have no place in a flash-card quiz</source>
        <translation>Multiple-Choice-Fragen haben in einem Lernkarten-Quiz keinen Platz</translation>
    </message>
    <message>
        <source>no answer earns full credit</source>
        <translation>keine Antwort bringt die volle Punktzahl</translation>
    </message>
    <message>
        <source>only the first fully correct answer is kept</source>
        <translation>nur die erste voll richtige Antwort bleibt erhalten</translation>
    </message>
    <message>
        <source>pictures in answers are left out</source>
        <translation>Bilder in Antworten entfallen</translation>
    </message>
    <message>
        <source>no answer earns credit</source>
        <translation>keine Antwort bringt Punkte</translation>
    </message>
    <message>
        <source>feedback is dropped</source>
        <translation>das Feedback entfällt</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB: it is not read.</source>
        <translation>Die Datei ist größer als 64 MiB und wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file declares XML entities, which Moodle XML files never do: it is not read.</source>
        <translation>Die Datei deklariert XML-Entitäten, was Moodle-XML-Dateien nie tun; sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>This is not a Moodle XML file: its first element is &lt;%1&gt;, not &lt;quiz&gt;.</source>
        <translation>Dies ist keine Moodle-XML-Datei: Das erste Element ist &lt;%1&gt;, nicht &lt;quiz&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3</source>
        <translation>Die Datei ist kein XML (Zeile %1, Spalte %2): %3</translation>
    </message>
    <message>
        <source>The file holds no Moodle XML quiz.</source>
        <translation>Die Datei enthält kein Moodle-XML-Quiz.</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>The file is damaged (%1).</source>
        <translation>Die Datei ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>the file is damaged at %1: nothing after it was read</source>
        <translation>die Datei ist beschädigt (%1); der Rest wurde nicht gelesen</translation>
    </message>
    <message>
        <source>it has no correct answer</source>
        <translation>sie hat keine richtige Antwort</translation>
    </message>
    <message>
        <source>the flash card has no answer</source>
        <translation>die Lernkarte hat keine Antwort</translation>
    </message>
    <message>
        <source>its picture could not be read: it is left out</source>
        <translation>ihr Bild konnte nicht gelesen werden und entfällt</translation>
    </message>
    <message numerus="yes">
        <source>Moodle XML stores no time limits for questions: %n questions lose them</source>
        <translation>
            <numerusform>Moodle XML speichert keine Zeitlimits für Fragen: %n Frage verliert ihr Zeitlimit</numerusform>
            <numerusform>Moodle XML speichert keine Zeitlimits für Fragen: %n Fragen verlieren ihr Zeitlimit</numerusform>
        </translation>
    </message>
    <message>
        <source>the package could not be made</source>
        <translation>das Paket konnte nicht erstellt werden</translation>
    </message>
    <message numerus="yes">
        <source>QTI packages made here keep no time limits: %n questions lose them</source>
        <translation>
            <numerusform>Hier erstellte QTI-Pakete enthalten keine Zeitlimits: %n Frage verliert ihr Zeitlimit</numerusform>
            <numerusform>Hier erstellte QTI-Pakete enthalten keine Zeitlimits: %n Fragen verlieren ihr Zeitlimit</numerusform>
        </translation>
    </message>
    <message>
        <source>characters the quiz&apos;s code page cannot hold: %1</source>
        <translation>Zeichen, die der Zeichensatz des Quiz nicht aufnehmen kann: %1</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB; no quiz holds that much text.</source>
        <translation>Die Datei ist größer als 64 MiB; so viel Text fasst kein Quiz.</translation>
    </message>
    <message>
        <source>Reading %1 files is not available in this version.</source>
        <translation>Dateien im Format %1 können in dieser Version nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a multiple-choice question has no place in a flash-card quiz</source>
        <translation>eine Multiple-Choice-Frage hat in einem Lernkarten-Quiz keinen Platz</translation>
    </message>
    <message>
        <source>a flash card has no place in a multiple-choice quiz</source>
        <translation>eine Lernkarte hat in einem Multiple-Choice-Quiz keinen Platz</translation>
    </message>
    <message>
        <source>fewer than two answers</source>
        <translation>weniger als zwei Antworten</translation>
    </message>
    <message>
        <source>more than five answers (%1): a question holds at most five</source>
        <translation>mehr als fünf Antworten (%1): Eine Frage fasst höchstens fünf</translation>
    </message>
    <message>
        <source>an answer is empty</source>
        <translation>eine Antwort ist leer</translation>
    </message>
    <message>
        <source>no answer is marked correct</source>
        <translation>keine Antwort ist als richtig markiert</translation>
    </message>
    <message>
        <source>not added: the quiz is full (%1 questions)</source>
        <translation>nicht hinzugefügt: Das Quiz ist voll (%1 Fragen)</translation>
    </message>
    <message>
        <source>the picture could not be read and is left out</source>
        <translation>das Bild konnte nicht gelesen werden und entfällt</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importiert</translation>
    </message>
    <message>
        <source>Could not write the picture %1; the question is added without it.</source>
        <translation>Das Bild %1 konnte nicht geschrieben werden; die Frage wird ohne Bild hinzugefügt.</translation>
    </message>
    <message>
        <source>the picture %1 was not found and is left out</source>
        <translation>das Bild %1 wurde nicht gefunden und entfällt</translation>
    </message>
    <message>
        <source>question %1: %2</source>
        <translation>Frage %1: %2</translation>
    </message>
    <message>
        <source>question %1, &apos;%2&apos;: %3</source>
        <translation>Frage %1, „%2“: %3</translation>
    </message>
    <message>
        <source>%1 stores no pictures: 1 question loses its picture</source>
        <translation>%1 speichert keine Bilder: 1 Frage verliert ihr Bild</translation>
    </message>
    <message>
        <source>%1 stores no pictures: %2 questions lose them</source>
        <translation>%1 speichert keine Bilder: %2 Fragen verlieren ihr Bild</translation>
    </message>
    <message>
        <source>%1 stores no points or time limits: 1 question loses them</source>
        <translation>%1 speichert weder Punktwerte noch Zeitlimits: 1 Frage verliert sie</translation>
    </message>
    <message>
        <source>%1 stores no points or time limits: %2 questions lose them</source>
        <translation>%1 speichert weder Punktwerte noch Zeitlimits: %2 Fragen verlieren sie</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text (line %1). Save it as UTF-8 and import it again.</source>
        <translation>Die Datei ist kein UTF-8-Text (Zeile %1). Speichern Sie sie als UTF-8 und importieren Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Unknown format %1.</source>
        <translation>Unbekanntes Format %1.</translation>
    </message>
    <message>
        <source>Writing %1 files is not available in this version.</source>
        <translation>Dateien im Format %1 können in dieser Version nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The quiz has no questions to export.</source>
        <translation>Das Quiz enthält keine Fragen zum Exportieren.</translation>
    </message>
    <message>
        <source>%1 holds none of the quiz&apos;s questions; %2 was not written.</source>
        <translation>%1 kann keine der Fragen des Quiz aufnehmen; %2 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1 already exists; an export never replaces a file.</source>
        <translation>%1 existiert bereits; ein Export ersetzt nie eine Datei.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>%1 konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (1 question).</source>
        <translation>%1 geschrieben (1 Frage).</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 questions).</source>
        <translation>%1 geschrieben (%2 Fragen).</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>No file command was given.</source>
        <translation>Es wurde kein Dateibefehl angegeben.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>This command needs the quiz&apos;s password: set %1 or run it on a terminal.</source>
        <translation>Dieser Befehl braucht das Passwort des Quiz: Setzen Sie %1 oder starten Sie ihn in einem Terminal.</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Ungültiges Passwort!</translation>
    </message>
    <message>
        <source>Password for the new quiz: </source>
        <translation>Passwort für das neue Quiz: </translation>
    </message>
    <message>
        <source>A new quiz needs a password: set %1 or run this on a terminal.</source>
        <translation>Ein neues Quiz braucht ein Passwort: Setzen Sie %1 oder starten Sie den Befehl in einem Terminal.</translation>
    </message>
    <message>
        <source>Confirm the password: </source>
        <translation>Passwort bestätigen: </translation>
    </message>
    <message>
        <source>Passwords don&apos;t match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Password cannot be blank!</source>
        <translation>Das Passwort darf nicht leer sein!</translation>
    </message>
    <message>
        <source>The new password contains characters that a quiz file cannot store:
%1
Please choose another password.</source>
        <translation>Das neue Passwort enthält Zeichen, die eine Quiz-Datei nicht speichern kann:
%1
Bitte wählen Sie ein anderes Passwort.</translation>
    </message>
</context>
<context>
    <name>FlashCardDialog</name>
    <message>
        <source>Flash Card</source>
        <translation>Lernkarte</translation>
    </message>
    <message>
        <source>&amp;Enter your answer here:</source>
        <translation>Ihre Antwort hier &amp;eingeben:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Show me the answer!</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 30 characters.</extracomment>
        <translation>Antwort &amp;zeigen!</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Richtig</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Falsch</translation>
    </message>
    <message>
        <source>&amp;Abort quiz</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>End Preview</source>
        <extracomment>Fixed-width buttons on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>FlashCardEditorDialog</name>
    <message>
        <source>Edit Flash Card</source>
        <translation>Lernkarte bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Frage</translation>
    </message>
    <message>
        <source>&amp;Use custom font</source>
        <translation>&amp;Eigene Schriftart verwenden</translation>
    </message>
    <message>
        <source>&amp;Change custom font...</source>
        <translation>Eigene Schriftart ä&amp;ndern...</translation>
    </message>
    <message>
        <source>&amp;Image File:</source>
        <translation>&amp;Bilddatei:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>&amp;Antwort</translation>
    </message>
    <message>
        <source>&amp;Scoring and Timing</source>
        <translation>Punkte &amp;und Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktwert</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Punktwert verringern um</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Punkte alle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Editing Flash Card %1</source>
        <translation>Lernkarte %1 bearbeiten</translation>
    </message>
    <message>
        <source>Adding Flash Card %1</source>
        <translation>Lernkarte %1 hinzufügen</translation>
    </message>
    <message>
        <source>Add Flash Card</source>
        <translation>Lernkarte hinzufügen</translation>
    </message>
    <message>
        <source>Quit without adding this flash card?</source>
        <translation>Beenden, ohne diese Lernkarte hinzuzufügen?</translation>
    </message>
    <message>
        <source>The question text contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>Der Fragetext enthält Zeichen, die eine Quiz-Datei nicht speichern kann:
%1
Bitte ersetzen oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>The answer contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>Die Antwort enthält Zeichen, die eine Quiz-Datei nicht speichern kann:
%1
Bitte ersetzen oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>Flash cards must have question text or an image file.</source>
        <translation>Lernkarten brauchen einen Fragetext oder eine Bilddatei.</translation>
    </message>
</context>
<context>
    <name>FormReader</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>FormText</name>
    <message>
        <source>%1 is too large: a quiz file holds numbers up to %2.</source>
        <translation>%1 ist zu groß: Eine Quiz-Datei speichert Zahlen bis %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Brainloft Help</source>
        <translation>Brainloft-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>%1 already exists; an import never replaces a file. Name a new file with --output.</source>
        <translation>%1 existiert bereits; ein Import ersetzt nie eine Datei. Geben Sie mit --output eine neue Datei an.</translation>
    </message>
    <message>
        <source>Unknown format %1.</source>
        <translation>Unbekanntes Format %1.</translation>
    </message>
    <message>
        <source>Could not read %1 as %2: %3</source>
        <translation>%1 konnte nicht als %2 gelesen werden: %3</translation>
    </message>
    <message>
        <source>No questions were imported; %1 was not written.</source>
        <translation>Es wurden keine Fragen importiert; %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>%1 konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (1 question).</source>
        <translation>%1 geschrieben (1 Frage).</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 questions).</source>
        <translation>%1 geschrieben (%2 Fragen).</translation>
    </message>
</context>
<context>
    <name>ImportSummaryDialog</name>
    <message>
        <source>Import Questions</source>
        <translation>Fragen importieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Nothing in %1 can be added to this quiz:</source>
        <translation>Aus %1 kann diesem Quiz nichts hinzugefügt werden:</translation>
    </message>
    <message>
        <source>1 flash card of %1 can be added:</source>
        <translation>1 Lernkarte aus %1 kann hinzugefügt werden:</translation>
    </message>
    <message>
        <source>%1 flash cards of %2 can be added:</source>
        <translation>%1 Lernkarten aus %2 können hinzugefügt werden:</translation>
    </message>
    <message>
        <source>1 question of %1 can be added:</source>
        <translation>1 Frage aus %1 kann hinzugefügt werden:</translation>
    </message>
    <message>
        <source>%1 questions of %2 can be added:</source>
        <translation>%1 Fragen aus %2 können hinzugefügt werden:</translation>
    </message>
    <message>
        <source>&amp;Add 1 question</source>
        <translation>1 Frage hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Add %1 questions</source>
        <translation>%1 Fragen hin&amp;zufügen</translation>
    </message>
</context>
<context>
    <name>LogCommands</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Log file has been deleted by some other program!</source>
        <translation>Die Protokolldatei wurde von einem anderen Programm gelöscht!</translation>
    </message>
    <message>
        <source>Save Quiz Log As:</source>
        <translation>Quiz-Protokoll speichern unter:</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|Log files (*.log)|*.log|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog filter: names shown, each followed by |*.ext| as it is.</extracomment>
        <translation>Textdateien (*.txt)|*.txt|Protokolldateien (*.log)|*.log|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot export log file to itself!</source>
        <translation>Das Protokoll kann nicht in sich selbst exportiert werden!</translation>
    </message>
    <message>
        <source>This will delete the log file permanently.
Are you sure you want to do this?</source>
        <translation>Die Protokolldatei wird damit endgültig gelöscht.
Möchten Sie das wirklich tun?</translation>
    </message>
    <message>
        <source>Could not delete %1
File is either marked as Read-Only
or is in use by another program</source>
        <translation>%1 konnte nicht gelöscht werden.
Die Datei ist schreibgeschützt
oder wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Could not open %1 for input.</source>
        <translation>%1 konnte nicht zum Lesen geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not replace output file %1</source>
        <translation>Die Ausgabedatei %1 konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>Input file %1
is either damaged or not a Brainloft Log</source>
        <translation>Die Eingabedatei %1
ist beschädigt oder kein Brainloft-Protokoll.</translation>
    </message>
    <message>
        <source>Error writing to %1</source>
        <translation>Fehler beim Schreiben von %1</translation>
    </message>
</context>
<context>
    <name>LogCommentDialog</name>
    <message>
        <source>Log Score</source>
        <translation>Ergebnis protokollieren</translation>
    </message>
    <message>
        <source>Enter a comment (name, student number, etc.) to identify your log entry:</source>
        <translation>Geben Sie einen Kommentar ein (Name, Schülernummer usw.), an dem Ihr Protokolleintrag zu erkennen ist:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t log my score!</source>
        <translation>Ergebnis nicht protokollieren!</translation>
    </message>
    <message>
        <source>The log cannot store these characters: %1
Please leave them out of your comment.</source>
        <translation>Das Protokoll kann diese Zeichen nicht speichern: %1
Bitte lassen Sie sie in Ihrem Kommentar weg.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Create a new quiz</source>
        <translation>Neues Quiz &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Load an existing quiz</source>
        <translation>Vorhandenes Quiz ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Take the current quiz</source>
        <translation>Aktuelles Quiz &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Edit the current quiz</source>
        <translation>Aktuelles Quiz &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;About Brainloft</source>
        <translation>Übe&amp;r Brainloft</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Beende&amp;n</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Brainloft - &lt;New Quiz&gt;</source>
        <translation>Brainloft - &lt;Neues Quiz&gt;</translation>
    </message>
    <message>
        <source>Brainloft - %1</source>
        <translation>Brainloft - %1</translation>
    </message>
    <message>
        <source>Brainloft Files (*.blz)|*.blz||</source>
        <extracomment>A file dialog filter: the name shown, then |*.blz|| as it is.</extracomment>
        <translation>Brainloft-Dateien (*.blz)|*.blz||</translation>
    </message>
    <message>
        <source>Access Denied!</source>
        <translation>Zugriff verweigert!</translation>
    </message>
</context>
<context>
    <name>MergedLog</name>
    <message>
        <source>%1 is one of the logs shown; a merged log goes into a new file.</source>
        <translation>%1 ist eines der angezeigten Protokolle; ein zusammengeführtes Protokoll kommt in eine neue Datei.</translation>
    </message>
    <message>
        <source>The merged log could not be written.</source>
        <translation>Das zusammengeführte Protokoll konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The merged log could not be saved as %1.</source>
        <translation>Das zusammengeführte Protokoll konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Select the password that will be required to edit this quiz or access any logged scores:</source>
        <translation>Legen Sie das Passwort fest, das zum Bearbeiten dieses Quiz und zum Zugriff auf protokollierte Ergebnisse nötig ist:</translation>
    </message>
    <message>
        <source>Enter &amp;old password:</source>
        <translation>&amp;Bisheriges Passwort:</translation>
    </message>
    <message>
        <source>Enter &amp;new password:</source>
        <translation>&amp;Neues Passwort:</translation>
    </message>
    <message>
        <source>&amp;Confirm new password:</source>
        <translation>Neues Passwort bes&amp;tätigen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Enter password:</source>
        <translation>Passwort &amp;eingeben:</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Choose Password</source>
        <translation>Passwort festlegen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Ungültiges Passwort!</translation>
    </message>
    <message>
        <source>Password cannot be blank!</source>
        <translation>Das Passwort darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>The new password contains characters that a quiz file cannot store:
%1
Please choose another password.</source>
        <translation>Das neue Passwort enthält Zeichen, die eine Quiz-Datei nicht speichern kann:
%1
Bitte wählen Sie ein anderes Passwort.</translation>
    </message>
</context>
<context>
    <name>PrintPdfCommand</name>
    <message>
        <source>The quiz has no questions to print.</source>
        <translation>Das Quiz enthält keine Fragen zum Drucken.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 pages).</source>
        <translation>%1 geschrieben (%2 Seiten).</translation>
    </message>
</context>
<context>
    <name>PrintQuizDialog</name>
    <message>
        <source>Print Quiz</source>
        <translation>Quiz drucken</translation>
    </message>
    <message>
        <source>What to print</source>
        <translation>Was wird gedruckt</translation>
    </message>
    <message>
        <source>&amp;Exam paper</source>
        <translation>&amp;Aufgabenblatt</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>&amp;Lösungsschlüssel</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>G&amp;ruppen:</translation>
    </message>
    <message>
        <source>This quiz keeps its questions and answers in their order, so all versions are alike. Switch on random order in the quiz parameters to vary them.</source>
        <translation>Dieses Quiz behält die Reihenfolge seiner Fragen und Antworten bei, daher sind alle Gruppen gleich. Schalten Sie in den Quiz-Einstellungen die zufällige Reihenfolge ein, um sie zu variieren.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Flash-card sheets</source>
        <translation>Lern&amp;kartenbögen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>These pictures could not be printed; a note stands in their place:
%1</source>
        <translation>Diese Bilder konnten nicht gedruckt werden; an ihrer Stelle steht ein Hinweis:
%1</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>The quiz could not be printed:
%1</source>
        <translation>Das Quiz konnte nicht gedruckt werden:
%1</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>dem Drucker</translation>
    </message>
    <message>
        <source>The quiz could not be printed on %1:
%2</source>
        <translation>Das Quiz konnte nicht auf %1 gedruckt werden:
%2</translation>
    </message>
    <message>
        <source>-key</source>
        <translation>-loesung</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*||</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Could not write
%1
%2</source>
        <translation>%1
konnte nicht geschrieben werden.
%2</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>%1
The folder does not exist.
Check the folder name and try again.</source>
        <translation>%1
Der Ordner existiert nicht.
Prüfen Sie den Ordnernamen und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>Choose answer(s):</source>
        <translation>Antwort(en) wählen:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Submit answer(s)</source>
        <extracomment>A fixed-width button on the question screen: keep to about 34 characters.
----------
Fixed-width buttons on the question screen: keep to about 34 characters.</extracomment>
        <translation>Antwort(en) &amp;abgeben</translation>
    </message>
    <message>
        <source>&amp;Quit (abort this quiz)</source>
        <extracomment>A fixed-width button on the question screen: keep to about 34 characters.</extracomment>
        <translation>&amp;Beenden (Quiz abbrechen)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>End Preview</source>
        <translation>Vorschau beenden</translation>
    </message>
    <message>
        <source>Memory allocation error</source>
        <translation>Fehler bei der Speicherreservierung</translation>
    </message>
    <message>
        <source>You must choose at least one answer!</source>
        <translation>Sie müssen mindestens eine Antwort wählen!</translation>
    </message>
    <message>
        <source>Your answer was incorrect.
Click OK to see the correct answer.</source>
        <translation>Ihre Antwort war falsch.
Klicken Sie auf OK, um die richtige Antwort zu sehen.</translation>
    </message>
    <message>
        <source>&amp;Next question</source>
        <extracomment>Fixed-width button on the question screen: keep to about 34 characters.</extracomment>
        <translation>&amp;Nächste Frage</translation>
    </message>
    <message>
        <source>Time expired!</source>
        <extracomment>A fixed-width status line: keep to about 37 characters.</extracomment>
        <translation>Zeit abgelaufen!</translation>
    </message>
    <message>
        <source>Incorrect!</source>
        <translation>Falsch!</translation>
    </message>
    <message>
        <source>Correct answer shown above.</source>
        <extracomment>A fixed-width status line: keep to about 37 characters.</extracomment>
        <translation>Richtige Antwort siehe oben.</translation>
    </message>
</context>
<context>
    <name>QuestionEditorBase</name>
    <message>
        <source>CQuestion allocation failed</source>
        <translation>Die Frage konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>QEdit error</source>
        <translation>Fehler im Fragen-Editor</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Windows Bitmaps (*.bmp)|*.bmp||</source>
        <extracomment>A file dialog filter: the name shown, then |*.bmp|| as it is.</extracomment>
        <translation>Windows-Bitmaps (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>The image file path contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>Der Pfad der Bilddatei enthält Zeichen, die eine Quiz-Datei nicht speichern kann:
%1
Bitte ersetzen oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>Bitmap file does not exist, either in
the specified directory or the current working directory.</source>
        <translation>Die Bitmap-Datei existiert weder im
angegebenen Ordner noch im aktuellen Arbeitsordner.</translation>
    </message>
    <message>
        <source>%1 is not a valid Windows bitmap.</source>
        <translation>%1 ist keine gültige Windows-Bitmap.</translation>
    </message>
</context>
<context>
    <name>QuestionEditorDialog</name>
    <message>
        <source>Edit Question</source>
        <translation>Frage bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Frage</translation>
    </message>
    <message>
        <source>&amp;Use custom font</source>
        <translation>Eigene Sc&amp;hriftart verwenden</translation>
    </message>
    <message>
        <source>Change custom &amp;font...</source>
        <translation>Eigene Schriftart ä&amp;ndern...</translation>
    </message>
    <message>
        <source>&amp;Image File:</source>
        <translation>B&amp;ilddatei:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>&amp;A:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Beside an answer: ticked when this answer is a correct one.</extracomment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>&amp;B:</source>
        <translation>&amp;B:</translation>
    </message>
    <message>
        <source>&amp;C:</source>
        <translation>&amp;C:</translation>
    </message>
    <message>
        <source>&amp;D:</source>
        <translation>&amp;D:</translation>
    </message>
    <message>
        <source>&amp;E:</source>
        <translation>&amp;E:</translation>
    </message>
    <message>
        <source>Allow &amp;multiple correct answers</source>
        <translation>&amp;Mehrere richtige Antworten zulassen</translation>
    </message>
    <message>
        <source>&amp;Scoring and Timing</source>
        <translation>Punkte &amp;und Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktwert</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;Time Limit</source>
        <translation>&amp;Zeitlimit</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>&amp;Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Punktwert &amp;verringern um</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Punkte alle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>V&amp;orschau...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Editing Question %1</source>
        <translation>Frage %1 bearbeiten</translation>
    </message>
    <message>
        <source>Adding Question %1</source>
        <translation>Frage %1 hinzufügen</translation>
    </message>
    <message>
        <source>Add Question</source>
        <translation>Frage hinzufügen</translation>
    </message>
    <message>
        <source>Quit without adding this question?</source>
        <translation>Beenden, ohne diese Frage hinzuzufügen?</translation>
    </message>
    <message>
        <source>The question text contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>Der Fragetext enthält Zeichen, die eine Quiz-Datei nicht speichern kann:
%1
Bitte ersetzen oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>The answer %1 contains characters that a quiz file cannot store:
%2
Please replace or remove them.</source>
        <extracomment>%1 is the answer&apos;s letter (A to E), %2 the characters.</extracomment>
        <translation>Die Antwort %1 enthält Zeichen, die eine Quiz-Datei nicht speichern kann:
%2
Bitte ersetzen oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>You must provide either question text,
an image file, or both.</source>
        <translation>Sie müssen einen Fragetext,
eine Bilddatei oder beides angeben.</translation>
    </message>
    <message>
        <source>You answers have been compacted to remove gaps.
Please verify the results.</source>
        <translation>Ihre Antworten wurden zusammengeschoben, um Lücken zu entfernen.
Bitte prüfen Sie das Ergebnis.</translation>
    </message>
    <message>
        <source>You must specify at least one correct answer.</source>
        <translation>Sie müssen mindestens eine richtige Antwort angeben.</translation>
    </message>
    <message>
        <source>You must provide at least two answers.</source>
        <translation>Sie müssen mindestens zwei Antworten angeben.</translation>
    </message>
    <message>
        <source>Correct answer(s) cannot be blank.</source>
        <translation>Richtige Antworten dürfen nicht leer sein.</translation>
    </message>
</context>
<context>
    <name>QuestionScreen</name>
    <message>
        <source>Error:
Could not find or open image file %1</source>
        <translation>Fehler:
Die Bilddatei %1 wurde nicht gefunden oder konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>QuestionsModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Presented</source>
        <translation>Gestellt</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Lösungsquote</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Trennschärfe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>QuizApp</name>
    <message>
        <source>This will remove Brainloft from your system.
Are you sure?</source>
        <translation>Damit wird Brainloft von Ihrem System entfernt.
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Brainloft Uninstall</source>
        <translation>Brainloft deinstallieren</translation>
    </message>
</context>
<context>
    <name>QuizEditorDialog</name>
    <message>
        <source>Edit Quiz</source>
        <translation>Quiz bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Append questions</source>
        <translation>Fragen &amp;anhängen</translation>
    </message>
    <message>
        <source>&amp;Insert questions</source>
        <translation>Fragen e&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Edit the selected question</source>
        <translation>Ausgewählte Frage b&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete the selected question</source>
        <translation>Ausgewählte Frage &amp;löschen</translation>
    </message>
    <message>
        <source>Move question &amp;up</source>
        <translation>Frage nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Move question down</source>
        <translation>Frage nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Change quiz parameters...</source>
        <translation>&amp;Quiz-Einstellungen ändern...</translation>
    </message>
    <message>
        <source>Pri&amp;nt...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Speichern u&amp;nter...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Append flash cards</source>
        <translation>Lernkarten &amp;anhängen</translation>
    </message>
    <message>
        <source>&amp;Insert flash cards</source>
        <translation>Lernkarten e&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Edit flash card</source>
        <translation>Ausgewählte Lernkarte b&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete flash card</source>
        <translation>Ausgewählte Lernkarte &amp;löschen</translation>
    </message>
    <message>
        <source>Move flash card &amp;up</source>
        <translation>Lernkarte nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Move flash card down</source>
        <translation>Lernkarte nach &amp;unten</translation>
    </message>
    <message>
        <source>&lt;NO TEXT ENTERED&gt;</source>
        <translation>&lt;KEIN TEXT EINGEGEBEN&gt;</translation>
    </message>
    <message>
        <source>Editing New Quiz</source>
        <translation>Neues Quiz bearbeiten</translation>
    </message>
    <message>
        <source>Editing %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>This quiz is now full.</source>
        <translation>Dieses Quiz ist jetzt voll.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete flash card %1?</source>
        <translation>Möchten Sie Lernkarte %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete question %1?</source>
        <translation>Möchten Sie Frage %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Im&amp;port questions...</source>
        <translation>Fragen im&amp;portieren...</translation>
    </message>
    <message>
        <source>E&amp;xport quiz...</source>
        <translation>Quiz e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;%1 (.%2)...</source>
        <translation>&amp;%1 (.%2)...</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>Fragen importieren</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml *.csv *.tsv)|*.gift;*.txt;*.xml;*.csv;*.tsv|GIFT (*.gift *.txt)|*.gift;*.txt|Aiken (*.txt)|*.txt|Moodle XML (*.xml)|*.xml|CSV (*.csv)|*.csv|TSV, Anki notes (*.tsv *.txt)|*.tsv;*.txt|All files (*.*)|*.*||</source>
        <translation>Fragendateien (*.gift *.txt *.xml *.csv *.tsv)|*.gift;*.txt;*.xml;*.csv;*.tsv|GIFT (*.gift *.txt)|*.gift;*.txt|Aiken (*.txt)|*.txt|Moodle XML (*.xml)|*.xml|CSV (*.csv)|*.csv|TSV, Anki-Notizen (*.tsv *.txt)|*.tsv;*.txt|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Could not read %1 as %2:
%3</source>
        <translation>%1 konnte nicht als %2 gelesen werden:
%3</translation>
    </message>
    <message>
        <source>Export Quiz as %1</source>
        <translation>Quiz als %1 exportieren</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>%1 files (*.%2)|*.%2|All files (*.*)|*.*||</source>
        <translation>%1-Dateien (*.%2)|*.%2|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>%1 holds none of this quiz&apos;s questions; nothing was written.</source>
        <translation>%1 kann keine der Fragen dieses Quiz aufnehmen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Could not write
%1
%2</source>
        <translation>Fehler beim Schreiben von
%1
%2</translation>
    </message>
    <message>
        <source>Wrote 1 question to %1.</source>
        <translation>1 Frage nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Wrote %1 questions to %2.</source>
        <translation>%1 Fragen nach %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>QuizFiles</name>
    <message>
        <source>Could not open
%1</source>
        <translation>%1
konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>File load failed</source>
        <translation>Laden der Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not create or access
%1</source>
        <translation>%1
konnte nicht angelegt oder geöffnet werden.</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Could not write
%1
%2
The file on disk has not been changed.</source>
        <translation>%1
konnte nicht geschrieben werden.
%2
Die Datei auf dem Datenträger ist unverändert.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Brainloft Files (*.blz)|*.blz||</source>
        <extracomment>A file dialog filter: the name shown, then |*.blz|| as it is.</extracomment>
        <translation>Brainloft-Dateien (*.blz)|*.blz||</translation>
    </message>
    <message>
        <source>Save the current quiz?</source>
        <translation>Das aktuelle Quiz speichern?</translation>
    </message>
</context>
<context>
    <name>QuizParametersDialog</name>
    <message>
        <source>Quiz Parameters</source>
        <translation>Quiz-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Quiz Type</source>
        <translation>&amp;Quiz-Typ</translation>
    </message>
    <message>
        <source>Multiple choice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <source>Flash cards</source>
        <translation>Lernkarten</translation>
    </message>
    <message>
        <source>&amp;Logging</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>Log results</source>
        <translation>Ergebnisse protokollieren</translation>
    </message>
    <message>
        <source>Export log...</source>
        <translation>Protokoll exportieren...</translation>
    </message>
    <message>
        <source>Delete log...</source>
        <translation>Protokoll löschen...</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Ablauf</translation>
    </message>
    <message>
        <source>Overall time limit</source>
        <translation>Gesamtzeitlimit</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number field: Overall time limit [N] minutes.</extracomment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Randomize questions</source>
        <translation>Fragen zufällig anordnen</translation>
    </message>
    <message>
        <source>Randomize answers</source>
        <translation>Antworten zufällig anordnen</translation>
    </message>
    <message>
        <source>Review answers</source>
        <translation>Falsche Antworten auflösen</translation>
    </message>
    <message>
        <source>Default question &amp;font</source>
        <translation>Vorgabe-&amp;Schriftart für Fragen</translation>
    </message>
    <message>
        <source>Use custom font</source>
        <translation>Eigene Schriftart verwenden</translation>
    </message>
    <message>
        <source>Change custom font...</source>
        <translation>Eigene Schriftart ändern...</translation>
    </message>
    <message>
        <source>Apply to all existing questions</source>
        <translation>Auf alle vorhandenen Fragen anwenden</translation>
    </message>
    <message>
        <source>Default &amp;Scoring and Timing</source>
        <translation>Vorgaben für Punkte und &amp;Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktwert</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Punktwert verringern um</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Punkte alle</translation>
    </message>
    <message>
        <source>Apply to all existing questions...</source>
        <translation>Auf alle vorhandenen Fragen anwenden...</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Passwort ändern...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Time Limit cannot be less than one minute</source>
        <translation>Das Zeitlimit darf nicht unter einer Minute liegen.</translation>
    </message>
    <message>
        <source>Time limit cannot exceed 300 minutes.</source>
        <translation>Das Zeitlimit darf 300 Minuten nicht überschreiten.</translation>
    </message>
    <message>
        <source>Default time limit cannot be less than one second</source>
        <translation>Das Vorgabe-Zeitlimit darf nicht unter einer Sekunde liegen.</translation>
    </message>
    <message>
        <source>Default time limit cannot exceed 300 seconds.</source>
        <translation>Das Vorgabe-Zeitlimit darf 300 Sekunden nicht überschreiten.</translation>
    </message>
    <message>
        <source>Default score must be at least 1 point.</source>
        <translation>Der Vorgabe-Punktwert muss mindestens 1 Punkt betragen.</translation>
    </message>
    <message>
        <source>Default score cannot exceed 50 points.</source>
        <translation>Der Vorgabe-Punktwert darf 50 Punkte nicht überschreiten.</translation>
    </message>
    <message>
        <source>&amp;View results...</source>
        <translation>&amp;Ergebnisse anzeigen...</translation>
    </message>
</context>
<context>
    <name>QuizPrint</name>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Time limit: 1 second</source>
        <translation>Zeitlimit: 1 Sekunde</translation>
    </message>
    <message>
        <source>Time limit: %1 seconds</source>
        <translation>Zeitlimit: %1 Sekunden</translation>
    </message>
    <message>
        <source>Picture not found: %1</source>
        <translation>Bild nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Picture cannot be read: %1</source>
        <translation>Bild nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source> — Version %1</source>
        <translation> – Gruppe %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>1 question</source>
        <translation>1 Frage</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 Fragen</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>Time allowed: 1 minute</source>
        <translation>Bearbeitungszeit: 1 Minute</translation>
    </message>
    <message>
        <source>Time allowed: %1 minutes</source>
        <translation>Bearbeitungszeit: %1 Minuten</translation>
    </message>
    <message>
        <source>Several answers may be correct</source>
        <translation>Mehrere Antworten können richtig sein</translation>
    </message>
    <message>
        <source>card backs</source>
        <translation>Kartenrückseiten</translation>
    </message>
    <message>
        <source>card fronts</source>
        <translation>Kartenvorderseiten</translation>
    </message>
    <message>
        <source>Answer key — Version %1</source>
        <translation>Lösungsschlüssel – Gruppe %1</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungsschlüssel</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>[picture: %1]</source>
        <translation>[Bild: %1]</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>There is nothing to print: choose the exam paper, the answer key, or both.</source>
        <translation>Es gibt nichts zu drucken: Wählen Sie das Aufgabenblatt, den Lösungsschlüssel oder beides.</translation>
    </message>
    <message>
        <source>The printer or file could not be opened for printing.</source>
        <translation>Der Drucker oder die Datei konnte nicht zum Drucken geöffnet werden.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>Der Drucker hat vor der letzten Seite angehalten.</translation>
    </message>
    <message>
        <source>%1 belongs to the quiz itself; please choose another file for the PDF.</source>
        <translation>%1 gehört zum Quiz selbst; bitte wählen Sie eine andere Datei für das PDF.</translation>
    </message>
    <message>
        <source>New Quiz</source>
        <translation>Neues Quiz</translation>
    </message>
</context>
<context>
    <name>QuizRunner</name>
    <message>
        <source>Memory allocation error</source>
        <translation>Fehler bei der Speicherreservierung</translation>
    </message>
    <message>
        <source>SetTimer() API call failed.</source>
        <translation>Der Aufruf von SetTimer() ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>This quiz has changed since the attempt was interrupted. It starts again from the beginning.</source>
        <translation>Dieses Quiz wurde geändert, seit der Durchgang unterbrochen wurde. Es beginnt wieder von vorn.</translation>
    </message>
    <message>
        <source>An attempt at this quiz was interrupted at question %1 of %2.
Do you want to resume it?</source>
        <translation>Ein Durchgang dieses Quiz wurde bei Frage %1 von %2 unterbrochen.
Möchten Sie ihn fortsetzen?</translation>
    </message>
    <message>
        <source>You answered no questions at all.</source>
        <translation>Sie haben keine einzige Frage beantwortet.</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>Time Expired!</source>
        <translation>Zeit abgelaufen!</translation>
    </message>
</context>
<context>
    <name>QuizScreenDialog</name>
    <message>
        <source>Are you sure you want to abort this quiz?</source>
        <translation>Möchten Sie dieses Quiz wirklich abbrechen?</translation>
    </message>
</context>
<context>
    <name>QuizTexts</name>
    <message>
        <source>Time left for this quiz: %1:%2:%3</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Restzeit für dieses Quiz: %1:%2:%3</translation>
    </message>
    <message>
        <source>Time left for this quiz: %1:%2</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Restzeit für dieses Quiz: %1:%2</translation>
    </message>
    <message>
        <source>This question is worth 1 point.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Diese Frage ist 1 Punkt wert.</translation>
    </message>
    <message>
        <source>This question is worth %1 points.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Diese Frage ist %1 Punkte wert.</translation>
    </message>
    <message>
        <source>Score so far: none.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Bisher erreicht: keine Punkte.</translation>
    </message>
    <message>
        <source>Score so far: %1 of %2 points (%3%)</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Bisher: %1 von %2 Punkten (%3 %)</translation>
    </message>
    <message>
        <source>Time left for this question: %1 seconds</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Restzeit für diese Frage: %1 Sekunden</translation>
    </message>
    <message>
        <source>Time limit for this quiz has expired.</source>
        <translation>Das Zeitlimit für dieses Quiz ist abgelaufen.</translation>
    </message>
    <message>
        <source>Time limit for this question has expired.</source>
        <translation>Das Zeitlimit für diese Frage ist abgelaufen.</translation>
    </message>
    <message>
        <source>For the %1 question(s) you answered, you scored %2 of %3 points (%4%).
For the entire quiz, you scored %5 of %6 points (%7%).</source>
        <translation>Für die %1 beantwortete(n) Frage(n) haben Sie %2 von %3 Punkten erreicht (%4 %).
Für das gesamte Quiz haben Sie %5 von %6 Punkten erreicht (%7 %).</translation>
    </message>
    <message>
        <source>Final score: %1 of %2 points (%3%)</source>
        <translation>Endergebnis: %1 von %2 Punkten (%3 %)</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>Do you wish to associate the .BLZ extension with Brainloft?</source>
        <translation>Möchten Sie die Endung .BLZ mit Brainloft verknüpfen?</translation>
    </message>
</context>
<context>
    <name>ResultsCommand</name>
    <message>
        <source>No results log could be read.</source>
        <translation>Es konnte kein Ergebnisprotokoll gelesen werden.</translation>
    </message>
    <message>
        <source>Read %1 entries (%2 complete, %3 incomplete).</source>
        <translation>%1 Einträge gelesen (%2 vollständig, %3 unvollständig).</translation>
    </message>
    <message>
        <source>%1 entries are of another version of the quiz (another number of questions) and are left out of the figures.</source>
        <translation>%1 Einträge stammen aus einer anderen Fassung des Quiz (andere Fragenzahl) und werden in den Zahlen nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 geschrieben.</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 pages).</source>
        <translation>%1 geschrieben (%2 Seiten).</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>%1 is the quiz or one of its logs; please choose another file.</source>
        <translation>%1 ist das Quiz oder eines seiner Protokolle; bitte wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Protokolle: %1</translation>
    </message>
    <message>
        <source>Takers by percentage (bins of ten points)</source>
        <translation>Teilnehmende nach Prozent (Klassen zu je zehn Punkten)</translation>
    </message>
    <message>
        <source>Facility by question (%)</source>
        <translation>Lösungsquote nach Frage (%)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Gestellt</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Lösungsquote</translation>
    </message>
    <message>
        <source>Discr.</source>
        <translation>Trennsch.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>The printer or file could not be opened for printing.</source>
        <translation>Der Drucker oder die Datei konnte nicht zum Drucken geöffnet werden.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>Der Drucker hat vor der letzten Seite angehalten.</translation>
    </message>
    <message>
        <source>%1 is the quiz or one of its logs; please choose another file.</source>
        <translation>%1 ist das Quiz oder eines seiner Protokolle; bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Results - %1</source>
        <translation>Ergebnisse - %1</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>%1: read %2 entries; the log is damaged after entry %3</source>
        <translation>%1: %2 Einträge gelesen; das Protokoll ist nach Eintrag %3 beschädigt</translation>
    </message>
    <message>
        <source>%1: there is no such log.</source>
        <translation>%1: Dieses Protokoll gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be read; check that you may open it.</source>
        <translation>%1 kann nicht gelesen werden; prüfen Sie, ob Sie die Datei öffnen dürfen.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a results log.</source>
        <translation>%1 ist ein Ordner, kein Ergebnisprotokoll.</translation>
    </message>
    <message>
        <source>%1 is not a file; a results log is an ordinary file.</source>
        <translation>%1 ist keine Datei; ein Ergebnisprotokoll ist eine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is being written by another program; please try again in a moment.</source>
        <translation>%1 wird gerade von einem anderen Programm geschrieben; bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>consistent</source>
        <translation>konsistent</translation>
    </message>
    <message>
        <source>acceptable</source>
        <translation>annehmbar</translation>
    </message>
    <message>
        <source>unreliable</source>
        <translation>unzuverlässig</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>schwer</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <source>check the key</source>
        <translation>Lösung prüfen</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>trennschwach</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>other quiz</source>
        <translation>anderes Quiz</translation>
    </message>
    <message>
        <source>%1 complete, %2 incomplete</source>
        <translation>%1 vollständig, %2 unvollständig</translation>
    </message>
    <message>
        <source>, %1 of another version of the quiz (left out)</source>
        <translation>, %1 aus einer anderen Fassung des Quiz (nicht berücksichtigt)</translation>
    </message>
    <message>
        <source>Entries read</source>
        <translation>Gelesene Einträge</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>the class&apos;s average percentage</source>
        <translation>der durchschnittliche Prozentwert der Klasse</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>half the class scored at least this</source>
        <translation>die Hälfte der Klasse hat mindestens so viel erreicht</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>how far percentages typically lie from the mean</source>
        <translation>wie weit die Prozentwerte typischerweise vom Mittelwert abweichen</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigster Wert</translation>
    </message>
    <message>
        <source>the lowest percentage</source>
        <translation>der niedrigste Prozentwert</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchster Wert</translation>
    </message>
    <message>
        <source>the highest percentage</source>
        <translation>der höchste Prozentwert</translation>
    </message>
    <message>
        <source>needs three complete entries that differ</source>
        <translation>braucht drei vollständige, unterschiedliche Einträge</translation>
    </message>
    <message>
        <source>%1 (0.75 and more is consistent)</source>
        <translation>%1 (ab 0,75 konsistent)</translation>
    </message>
    <message>
        <source>Cronbach&apos;s alpha</source>
        <translation>Cronbachs Alpha</translation>
    </message>
    <message>
        <source>Standard error</source>
        <translation>Standardmessfehler</translation>
    </message>
    <message>
        <source>a percentage is uncertain by about this much</source>
        <translation>um etwa so viel ist ein Prozentwert unsicher</translation>
    </message>
    <message>
        <source>needs alpha</source>
        <translation>braucht Cronbachs Alpha</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>&amp;Add log...</source>
        <translation>Protokoll hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>Save &amp;merged log as...</source>
        <translation>Zusammengeführtes Protokoll speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save report as &amp;PDF...</source>
        <translation>Bericht als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>Übersi&amp;cht</translation>
    </message>
    <message>
        <source>Sea&amp;rch comments:</source>
        <translation>Kommentar&amp;e durchsuchen:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktwert</translation>
    </message>
    <message>
        <source>&amp;Takers</source>
        <translation>&amp;Teilnehmende</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Chosen by</source>
        <translation>Gewählt von</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Fragen</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>%1 entries are of another version of the quiz (another number of questions) and are left out of the figures.</source>
        <translation>%1 Einträge stammen aus einer anderen Fassung des Quiz (andere Fragenzahl) und werden in den Zahlen nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>No log read yet.</source>
        <translation>Noch kein Protokoll gelesen.</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Protokolle: %1</translation>
    </message>
    <message>
        <source>Takers by percentage (bins of ten points)</source>
        <translation>Teilnehmende nach Prozent (Klassen zu je zehn Punkten)</translation>
    </message>
    <message>
        <source>Takers</source>
        <translation>Teilnehmende</translation>
    </message>
    <message>
        <source>Facility by question (%)</source>
        <translation>Lösungsquote nach Frage (%)</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Lösungsquote</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>nicht gestellt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Choose a question to see how its answers were chosen.</source>
        <translation>Wählen Sie eine Frage, um zu sehen, wie ihre Antworten gewählt wurden.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source> (key)</source>
        <translation> (Lösung)</translation>
    </message>
    <message>
        <source>no answer submitted</source>
        <translation>keine Antwort abgegeben</translation>
    </message>
    <message>
        <source>Add log</source>
        <translation>Protokoll hinzufügen</translation>
    </message>
    <message>
        <source>Results logs (*.blg)|*.blg|All files (*)|*||</source>
        <translation>Ergebnisprotokolle (*.blg)|*.blg|Alle Dateien (*)|*||</translation>
    </message>
    <message>
        <source>Save merged log as</source>
        <translation>Zusammengeführtes Protokoll speichern unter</translation>
    </message>
    <message>
        <source>Results logs (*.blg)|*.blg||</source>
        <translation>Ergebnisprotokolle (*.blg)|*.blg||</translation>
    </message>
    <message>
        <source>Wrote %1 entries to %2.</source>
        <translation>%1 Einträge nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>%1 incomplete entries were left out: a log holds whole entries only.</source>
        <translation>%1 unvollständige Einträge wurden weggelassen: Ein Protokoll enthält nur ganze Einträge.</translation>
    </message>
    <message>
        <source>Export CSV: the takers&apos; file; the items and summary go beside it</source>
        <translation>CSV exportieren: die Datei der Teilnehmenden; die Fragen und die Übersicht kommen daneben</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv||</source>
        <translation>CSV-Dateien (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 geschrieben.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf||</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf||</translation>
    </message>
</context>
<context>
    <name>TakersModel</name>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Presented</source>
        <translation>Gestellt</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Möglich</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>All questions %</source>
        <translation>Alle Fragen %</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Brainloft&apos;s data has been removed from the Registry.
Component files will be removed the next time you start the system.</source>
        <translation>Die Daten von Brainloft wurden aus der Registrierung entfernt.
Die Programmdateien werden beim nächsten Systemstart entfernt.</translation>
    </message>
    <message>
        <source>Brainloft Uninstall</source>
        <translation>Brainloft deinstallieren</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Versuchen Sie „%1 --help“.</translation>
    </message>
</context>
</TS>
