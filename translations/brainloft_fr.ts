<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Brainloft</source>
        <translation>À propos de Brainloft</translation>
    </message>
    <message>
        <source>Brainloft version 1.0</source>
        <translation>Brainloft version 1.0</translation>
    </message>
    <message>
        <source>Build quizzes and flash cards, take them, and keep a log of the results.</source>
        <translation>Créez des quiz et des cartes de révision, passez-les et gardez un journal des résultats.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later: you may use, share and change it. It comes with no warranty.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure&#xa0;: vous pouvez l&apos;utiliser, le partager et le modifier. Il est fourni sans aucune garantie.</translation>
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
        <translation>Appliquer les paramètres par défaut</translation>
    </message>
    <message>
        <source>Choose the setting(s) you wish to apply:</source>
        <translation>Choisissez le ou les paramètres à appliquer&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Score</translation>
    </message>
    <message>
        <source>&amp;Time Limit</source>
        <translation>&amp;Limite de temps</translation>
    </message>
    <message>
        <source>&amp;Reduce score over time</source>
        <translation>&amp;Réduire le score avec le temps</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>You must choose at least one settting to apply!</source>
        <translation>Vous devez choisir au moins un paramètre à appliquer&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: </source>
        <extracomment>The start of the --help text; the lines below it are indented to match.</extracomment>
        <translation>Utilisation&#xa0;: </translation>
    </message>
    <message>
        <source>Builds and takes quizzes.
</source>
        <translation>Crée des quiz et les fait passer.
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
        <translation>  QUIZ.blz          passer le quiz, puis quitter
  --edit QUIZ.blz   ouvrir le quiz pour le modifier (demande son mot de passe)
  --results QUIZ.blz [MORE.blg ...]
                    afficher les résultats du journal du quiz et des autres
                    journaux nommés&#xa0;; avec l&apos;une de ces options, écrire des
                    fichiers à la place&#xa0;:
    --takers-csv FILE    une ligne par tentative enregistrée
    --items-csv FILE     une ligne par question&#xa0;: facilité, discrimination et
                         fréquence de choix de chaque réponse
    --summary-csv FILE   les chiffres de la classe sur une ligne
    --report-pdf FILE    la synthèse, les graphiques et le tableau des questions
  --import FILE --output NEW.blz
                    créer un nouveau quiz à partir des questions de FILE&#xa0;; un
                    fichier existant n&apos;est jamais remplacé
    --format FORMAT      gift, aiken, moodle-xml, csv ou tsv (deviné s&apos;il
                         n&apos;est pas donné)
    --flash-cards        créer un quiz de cartes de révision
  --export FORMAT QUIZ.blz OUTPUT
                    écrire le quiz en gift, aiken, moodle-xml, qti, csv ou tsv
  --print-pdf QUIZ.blz OUT.pdf
                    écrire le quiz comme sujet d&apos;examen
    --answer-key         ajouter le corrigé
    --key-only           écrire seulement le corrigé
    --versions N         N versions (1 à 26, A à Z), chacune dans son ordre
  --uninstall       supprimer les entrées de bureau et les fichiers de Brainloft
  --help            afficher cette aide et quitter
  --version         afficher la version et quitter
</translation>
    </message>
    <message>
        <source>Options may also be written /edit and /uninstall.
</source>
        <translation>Les options peuvent aussi s&apos;écrire /edit et /uninstall.
</translation>
    </message>
    <message>
        <source>The commands that write files need no display and leave the desktop&apos;s files
alone. Those that reveal a quiz&apos;s answers or results need its password: from
the environment variable BRAINLOFT_PASSWORD, or asked on the terminal.
</source>
        <translation>Les commandes qui écrivent des fichiers n&apos;ont pas besoin d&apos;écran et ne touchent
pas aux fichiers du bureau. Celles qui révèlent les réponses ou les résultats
d&apos;un quiz demandent son mot de passe&#xa0;: pris dans la variable d&apos;environnement
BRAINLOFT_PASSWORD, ou demandé dans le terminal.
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 failed, 2 bad arguments, 3 wrong password.
</source>
        <translation>Code de sortie&#xa0;: 0 terminé, 1 échec, 2 arguments incorrects, 3 mot de passe incorrect.
</translation>
    </message>
    <message>
        <source>an empty argument names no file</source>
        <translation>un argument vide ne désigne aucun fichier</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>--results needs the quiz file</source>
        <translation>--results demande le fichier du quiz</translation>
    </message>
    <message>
        <source>--import needs the file to read</source>
        <translation>--import demande le fichier à lire</translation>
    </message>
    <message>
        <source>--import reads one file</source>
        <translation>--import lit un seul fichier</translation>
    </message>
    <message>
        <source>--import needs --output NEW.blz</source>
        <translation>--import demande --output NEW.blz</translation>
    </message>
    <message>
        <source>unknown import format %1</source>
        <translation>format d&apos;importation inconnu %1</translation>
    </message>
    <message>
        <source>--export needs a format, the quiz and the file to write</source>
        <translation>--export demande un format, le quiz et le fichier à écrire</translation>
    </message>
    <message>
        <source>unknown export format %1</source>
        <translation>format d&apos;exportation inconnu %1</translation>
    </message>
    <message>
        <source>--print-pdf needs the quiz and the PDF file to write</source>
        <translation>--print-pdf demande le quiz et le fichier PDF à écrire</translation>
    </message>
    <message>
        <source>--answer-key and --key-only exclude each other</source>
        <translation>--answer-key et --key-only s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--versions takes a number from 1 to 26</source>
        <translation>--versions prend un nombre de 1 à 26</translation>
    </message>
    <message>
        <source>only one of --results, --import, --export and --print-pdf at a time</source>
        <translation>une seule option parmi --results, --import, --export et --print-pdf à la fois</translation>
    </message>
    <message>
        <source>%1 does not go with --edit or --uninstall</source>
        <translation>%1 ne va pas avec --edit ni --uninstall</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>no ANSWER line</source>
        <translation>aucune ligne ANSWER</translation>
    </message>
    <message>
        <source>the question has no answers</source>
        <translation>la question n&apos;a pas de réponses</translation>
    </message>
    <message>
        <source>ANSWER names no answer of the question</source>
        <translation>ANSWER ne désigne aucune réponse de la question</translation>
    </message>
    <message>
        <source>a line is neither an answer nor the ANSWER line</source>
        <translation>une ligne n&apos;est ni une réponse ni la ligne ANSWER</translation>
    </message>
    <message>
        <source>The file holds no Aiken questions.</source>
        <translation>Le fichier ne contient aucune question Aiken.</translation>
    </message>
    <message>
        <source>Aiken holds no flash cards</source>
        <translation>Aiken ne contient pas de cartes de révision</translation>
    </message>
    <message>
        <source>Aiken holds only questions with one correct answer</source>
        <translation>Aiken ne contient que des questions à une seule réponse correcte</translation>
    </message>
    <message>
        <source>Aiken needs a question text</source>
        <translation>Aiken exige un texte de question</translation>
    </message>
    <message>
        <source>too many answers</source>
        <translation>trop de réponses</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>Le fichier ne contient aucune ligne.</translation>
    </message>
    <message>
        <source>The first row is not a header this program knows. It should be &quot;Question,A,B,C,D,E,Correct,Score,Time limit&quot; or &quot;Question,Answer,Score,Time limit&quot;.</source>
        <translation>La première ligne n&apos;est pas un en-tête connu de ce programme. Elle doit être &quot;Question,A,B,C,D,E,Correct,Score,Time limit&quot; ou &quot;Question,Answer,Score,Time limit&quot;.</translation>
    </message>
    <message>
        <source>the score &quot;%1&quot; is not a whole number</source>
        <translation>le barème &quot;%1&quot; n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>the time limit &quot;%1&quot; is not a whole number of seconds</source>
        <translation>le temps limite &quot;%1&quot; n&apos;est pas un nombre entier de secondes</translation>
    </message>
    <message>
        <source>Correct names %1, which is no answer of the question</source>
        <translation>la colonne Correct désigne %1, qui n&apos;est aucune réponse de la question</translation>
    </message>
    <message>
        <source>a CSV file of flash cards holds no questions</source>
        <translation>un fichier CSV de cartes de révision ne contient pas de questions</translation>
    </message>
    <message>
        <source>a CSV file of questions holds no flash cards</source>
        <translation>un fichier CSV de questions ne contient pas de cartes de révision</translation>
    </message>
    <message>
        <source>CSV holds at most five answers</source>
        <translation>CSV contient au plus cinq réponses</translation>
    </message>
    <message>
        <source>the line has no back: no separator found</source>
        <translation>la ligne n&apos;a pas de verso&#xa0;: aucun séparateur trouvé</translation>
    </message>
    <message>
        <source>Only the first two fields of each line are read; the others (tags, further fields) are dropped.</source>
        <translation>Seuls les deux premiers champs de chaque ligne sont lus&#xa0;; les autres (étiquettes, champs suivants) sont ignorés.</translation>
    </message>
    <message>
        <source>The file holds no flash cards.</source>
        <translation>Le fichier ne contient aucune carte de révision.</translation>
    </message>
    <message>
        <source>TSV holds only flash cards</source>
        <translation>TSV ne contient que des cartes de révision</translation>
    </message>
    <message>
        <source>unbalanced braces</source>
        <translation>accolades non appariées</translation>
    </message>
    <message>
        <source>description questions have no counterpart in Brainloft</source>
        <translation>les questions de type description n&apos;ont pas d&apos;équivalent dans Brainloft</translation>
    </message>
    <message>
        <source>essay questions have no counterpart in Brainloft</source>
        <translation>les questions de composition n&apos;ont pas d&apos;équivalent dans Brainloft</translation>
    </message>
    <message>
        <source>numerical questions have no counterpart in Brainloft</source>
        <translation>les questions numériques n&apos;ont pas d&apos;équivalent dans Brainloft</translation>
    </message>
    <message>
        <source>the answers could not be read</source>
        <translation>les réponses n&apos;ont pas pu être lues</translation>
    </message>
    <message>
        <source>matching questions have no counterpart in Brainloft</source>
        <translation>les questions d&apos;appariement n&apos;ont pas d&apos;équivalent dans Brainloft</translation>
    </message>
    <message>
        <source>short-answer questions become flash cards only in a flash-card quiz</source>
        <translation>les questions à réponse courte ne deviennent des cartes de révision que dans un quiz de cartes de révision</translation>
    </message>
    <message>
        <source>no answer gives full credit</source>
        <translation>aucune réponse ne donne tous les points</translation>
    </message>
    <message>
        <source>feedback dropped</source>
        <translation>rétroaction ignorée</translation>
    </message>
    <message>
        <source>The file holds no GIFT questions.</source>
        <translation>Le fichier ne contient aucune question GIFT.</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; is left out: a question shows one picture</source>
        <translation>le fichier &apos;%1&apos; est ignoré&#xa0;: une question n&apos;affiche qu&apos;une image</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; is no picture Brainloft can show (or it is too large): it is left out</source>
        <translation>le fichier &apos;%1&apos; n&apos;est pas une image que Brainloft peut afficher (ou il est trop grand)&#xa0;: il est ignoré</translation>
    </message>
    <message>
        <source>categories have no counterpart in Brainloft: the questions after it go into the one quiz</source>
        <translation>les catégories n&apos;ont pas d&apos;équivalent dans Brainloft&#xa0;: les questions qui suivent vont dans l&apos;unique quiz</translation>
    </message>
    <message>
        <source>descriptions have no counterpart in Brainloft</source>
        <translation>les descriptions n&apos;ont pas d&apos;équivalent dans Brainloft</translation>
    </message>
    <message>
        <source>embedded answers (cloze) have no counterpart in Brainloft</source>
        <translation>les réponses intégrées (cloze) n&apos;ont pas d&apos;équivalent dans Brainloft</translation>
    </message>
    <message>
        <source>questions of type &apos;%1&apos; have no counterpart in Brainloft</source>
        <translation>les questions de type &apos;%1&apos; n&apos;ont pas d&apos;équivalent dans Brainloft</translation>
    </message>
    <message>
        <source>multiple-choice questions have no place in a flash-card quiz</source>
        <translation>les questions à choix multiples n&apos;ont pas leur place dans un quiz de cartes de révision</translation>
    </message>
    <message>
        <source>no answer earns full credit</source>
        <translation>aucune réponse ne rapporte tous les points</translation>
    </message>
    <message>
        <source>only the first fully correct answer is kept</source>
        <translation>seule la première réponse entièrement correcte est conservée</translation>
    </message>
    <message>
        <source>pictures in answers are left out</source>
        <translation>les images des réponses sont ignorées</translation>
    </message>
    <message>
        <source>no answer earns credit</source>
        <translation>aucune réponse ne rapporte de points</translation>
    </message>
    <message>
        <source>feedback is dropped</source>
        <translation>la rétroaction est ignorée</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB: it is not read.</source>
        <translation>Le fichier dépasse 64 Mio&#xa0;: il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file declares XML entities, which Moodle XML files never do: it is not read.</source>
        <translation>Le fichier déclare des entités XML, ce que les fichiers Moodle XML ne font jamais&#xa0;: il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>This is not a Moodle XML file: its first element is &lt;%1&gt;, not &lt;quiz&gt;.</source>
        <translation>Ce n&apos;est pas un fichier Moodle XML&#xa0;: son premier élément est &lt;%1&gt;, et non &lt;quiz&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3</source>
        <translation>Le fichier n&apos;est pas du XML (ligne %1, colonne %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>The file holds no Moodle XML quiz.</source>
        <translation>Le fichier ne contient aucun quiz Moodle XML.</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The file is damaged (%1).</source>
        <translation>Le fichier est endommagé (%1).</translation>
    </message>
    <message>
        <source>the file is damaged at %1: nothing after it was read</source>
        <translation>le fichier est endommagé à %1&#xa0;: rien n&apos;a été lu au-delà</translation>
    </message>
    <message>
        <source>it has no correct answer</source>
        <translation>elle n&apos;a pas de réponse correcte</translation>
    </message>
    <message>
        <source>the flash card has no answer</source>
        <translation>la carte de révision n&apos;a pas de réponse</translation>
    </message>
    <message>
        <source>its picture could not be read: it is left out</source>
        <translation>son image n&apos;a pas pu être lue&#xa0;: elle est ignorée</translation>
    </message>
    <message numerus="yes">
        <source>Moodle XML stores no time limits for questions: %n questions lose them</source>
        <translation>
            <numerusform>Moodle XML n&apos;enregistre pas de temps limite par question&#xa0;: %n question le perd</numerusform>
            <numerusform>Moodle XML n&apos;enregistre pas de temps limite par question&#xa0;: %n questions le perdent</numerusform>
        </translation>
    </message>
    <message>
        <source>the package could not be made</source>
        <translation>le paquet n&apos;a pas pu être créé</translation>
    </message>
    <message numerus="yes">
        <source>QTI packages made here keep no time limits: %n questions lose them</source>
        <translation>
            <numerusform>Les paquets QTI créés ici ne conservent pas les temps limites&#xa0;: %n question perd le sien</numerusform>
            <numerusform>Les paquets QTI créés ici ne conservent pas les temps limites&#xa0;: %n questions perdent le leur</numerusform>
        </translation>
    </message>
    <message>
        <source>characters the quiz&apos;s code page cannot hold: %1</source>
        <translation>caractères que le jeu de caractères du quiz ne peut pas contenir&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB; no quiz holds that much text.</source>
        <translation>Le fichier dépasse 64 Mio&#xa0;; aucun quiz ne contient autant de texte.</translation>
    </message>
    <message>
        <source>Reading %1 files is not available in this version.</source>
        <translation>La lecture des fichiers %1 n&apos;est pas disponible dans cette version.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a multiple-choice question has no place in a flash-card quiz</source>
        <translation>une question à choix multiples n&apos;a pas sa place dans un quiz de cartes de révision</translation>
    </message>
    <message>
        <source>a flash card has no place in a multiple-choice quiz</source>
        <translation>une carte de révision n&apos;a pas sa place dans un quiz à choix multiples</translation>
    </message>
    <message>
        <source>fewer than two answers</source>
        <translation>moins de deux réponses</translation>
    </message>
    <message>
        <source>more than five answers (%1): a question holds at most five</source>
        <translation>plus de cinq réponses (%1)&#xa0;: une question en contient au plus cinq</translation>
    </message>
    <message>
        <source>an answer is empty</source>
        <translation>une réponse est vide</translation>
    </message>
    <message>
        <source>no answer is marked correct</source>
        <translation>aucune réponse n&apos;est marquée correcte</translation>
    </message>
    <message>
        <source>not added: the quiz is full (%1 questions)</source>
        <translation>non ajoutée&#xa0;: le quiz est plein (%1 questions)</translation>
    </message>
    <message>
        <source>the picture could not be read and is left out</source>
        <translation>l&apos;image n&apos;a pas pu être lue et est ignorée</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importée</translation>
    </message>
    <message>
        <source>Could not write the picture %1; the question is added without it.</source>
        <translation>Impossible d&apos;écrire l&apos;image %1&#xa0;; la question est ajoutée sans elle.</translation>
    </message>
    <message>
        <source>the picture %1 was not found and is left out</source>
        <translation>l&apos;image %1 est introuvable et est ignorée</translation>
    </message>
    <message>
        <source>question %1: %2</source>
        <translation>question %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>question %1, &apos;%2&apos;: %3</source>
        <translation>question %1, &apos;%2&apos;&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 stores no pictures: 1 question loses its picture</source>
        <translation>%1 n&apos;enregistre pas d&apos;images&#xa0;: 1 question perd son image</translation>
    </message>
    <message>
        <source>%1 stores no pictures: %2 questions lose them</source>
        <translation>%1 n&apos;enregistre pas d&apos;images&#xa0;: %2 questions perdent la leur</translation>
    </message>
    <message>
        <source>%1 stores no points or time limits: 1 question loses them</source>
        <translation>%1 n&apos;enregistre ni barème ni temps limite&#xa0;: 1 question les perd</translation>
    </message>
    <message>
        <source>%1 stores no points or time limits: %2 questions lose them</source>
        <translation>%1 n&apos;enregistre ni barème ni temps limite&#xa0;: %2 questions les perdent</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text (line %1). Save it as UTF-8 and import it again.</source>
        <translation>Le fichier n&apos;est pas du texte UTF-8 (ligne %1). Enregistrez-le en UTF-8 et importez-le à nouveau.</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Unknown format %1.</source>
        <translation>Format %1 inconnu.</translation>
    </message>
    <message>
        <source>Writing %1 files is not available in this version.</source>
        <translation>L&apos;écriture des fichiers %1 n&apos;est pas disponible dans cette version.</translation>
    </message>
    <message>
        <source>The quiz has no questions to export.</source>
        <translation>Le quiz n&apos;a aucune question à exporter.</translation>
    </message>
    <message>
        <source>%1 holds none of the quiz&apos;s questions; %2 was not written.</source>
        <translation>%1 ne peut contenir aucune des questions du quiz&#xa0;; %2 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>%1 already exists; an export never replaces a file.</source>
        <translation>%1 existe déjà&#xa0;; une exportation ne remplace jamais un fichier.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (1 question).</source>
        <translation>%1 écrit (1 question).</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 questions).</source>
        <translation>%1 écrit (%2 questions).</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>No file command was given.</source>
        <translation>Aucune commande de fichier n&apos;a été donnée.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Mot de passe&#xa0;: </translation>
    </message>
    <message>
        <source>This command needs the quiz&apos;s password: set %1 or run it on a terminal.</source>
        <translation>Cette commande demande le mot de passe du quiz&#xa0;: définissez %1 ou lancez-la dans un terminal.</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Mot de passe incorrect&#xa0;!</translation>
    </message>
    <message>
        <source>Password for the new quiz: </source>
        <translation>Mot de passe du nouveau quiz&#xa0;: </translation>
    </message>
    <message>
        <source>A new quiz needs a password: set %1 or run this on a terminal.</source>
        <translation>Un nouveau quiz demande un mot de passe&#xa0;: définissez %1 ou lancez ceci dans un terminal.</translation>
    </message>
    <message>
        <source>Confirm the password: </source>
        <translation>Confirmez le mot de passe&#xa0;: </translation>
    </message>
    <message>
        <source>Passwords don&apos;t match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Password cannot be blank!</source>
        <translation>Le mot de passe ne peut pas être vide&#xa0;!</translation>
    </message>
    <message>
        <source>The new password contains characters that a quiz file cannot store:
%1
Please choose another password.</source>
        <translation>Le nouveau mot de passe contient des caractères qu&apos;un fichier de quiz ne peut pas enregistrer&#xa0;:
%1
Veuillez choisir un autre mot de passe.</translation>
    </message>
</context>
<context>
    <name>FlashCardDialog</name>
    <message>
        <source>Flash Card</source>
        <translation>Carte de révision</translation>
    </message>
    <message>
        <source>&amp;Enter your answer here:</source>
        <translation>&amp;Saisissez votre réponse ici&#xa0;:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Show me the answer!</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 30 characters.</extracomment>
        <translation>&amp;Montrer la réponse&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Correct</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Incorrect</translation>
    </message>
    <message>
        <source>&amp;Abort quiz</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>End Preview</source>
        <extracomment>Fixed-width buttons on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>Fin aperçu</translation>
    </message>
</context>
<context>
    <name>FlashCardEditorDialog</name>
    <message>
        <source>Edit Flash Card</source>
        <translation>Modifier la carte</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Question</translation>
    </message>
    <message>
        <source>&amp;Use custom font</source>
        <translation>&amp;Police personnalisée</translation>
    </message>
    <message>
        <source>&amp;Change custom font...</source>
        <translation>&amp;Changer la police...</translation>
    </message>
    <message>
        <source>&amp;Image File:</source>
        <translation>Fichier &amp;image&#xa0;:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>Ré&amp;ponse</translation>
    </message>
    <message>
        <source>&amp;Scoring and Timing</source>
        <translation>Score et &amp;temps</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>points</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Limite de temps</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Réduire le score de</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>points toutes les</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Editing Flash Card %1</source>
        <translation>Modification de la carte %1</translation>
    </message>
    <message>
        <source>Adding Flash Card %1</source>
        <translation>Ajout de la carte %1</translation>
    </message>
    <message>
        <source>Add Flash Card</source>
        <translation>Ajouter une carte</translation>
    </message>
    <message>
        <source>Quit without adding this flash card?</source>
        <translation>Quitter sans ajouter cette carte&#xa0;?</translation>
    </message>
    <message>
        <source>The question text contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>Le texte de la question contient des caractères qu&apos;un fichier de quiz ne peut pas enregistrer&#xa0;:
%1
Veuillez les remplacer ou les supprimer.</translation>
    </message>
    <message>
        <source>The answer contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>La réponse contient des caractères qu&apos;un fichier de quiz ne peut pas enregistrer&#xa0;:
%1
Veuillez les remplacer ou les supprimer.</translation>
    </message>
    <message>
        <source>Flash cards must have question text or an image file.</source>
        <translation>Une carte de révision doit avoir un texte de question ou un fichier image.</translation>
    </message>
</context>
<context>
    <name>FormReader</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un entier positif.</translation>
    </message>
</context>
<context>
    <name>FormText</name>
    <message>
        <source>%1 is too large: a quiz file holds numbers up to %2.</source>
        <translation>%1 est trop grand&#xa0;: un fichier de quiz contient des nombres jusqu&apos;à %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Brainloft Help</source>
        <translation>Aide de Brainloft</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>%1 already exists; an import never replaces a file. Name a new file with --output.</source>
        <translation>%1 existe déjà&#xa0;; une importation ne remplace jamais un fichier. Indiquez un nouveau fichier avec --output.</translation>
    </message>
    <message>
        <source>Unknown format %1.</source>
        <translation>Format %1 inconnu.</translation>
    </message>
    <message>
        <source>Could not read %1 as %2: %3</source>
        <translation>Impossible de lire %1 au format %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>No questions were imported; %1 was not written.</source>
        <translation>Aucune question n&apos;a été importée&#xa0;; %1 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (1 question).</source>
        <translation>%1 écrit (1 question).</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 questions).</source>
        <translation>%1 écrit (%2 questions).</translation>
    </message>
</context>
<context>
    <name>ImportSummaryDialog</name>
    <message>
        <source>Import Questions</source>
        <translation>Importer des questions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Nothing in %1 can be added to this quiz:</source>
        <translation>Rien dans %1 ne peut être ajouté à ce quiz&#xa0;:</translation>
    </message>
    <message>
        <source>1 flash card of %1 can be added:</source>
        <translation>1 carte de révision de %1 peut être ajoutée&#xa0;:</translation>
    </message>
    <message>
        <source>%1 flash cards of %2 can be added:</source>
        <translation>%1 cartes de révision de %2 peuvent être ajoutées&#xa0;:</translation>
    </message>
    <message>
        <source>1 question of %1 can be added:</source>
        <translation>1 question de %1 peut être ajoutée&#xa0;:</translation>
    </message>
    <message>
        <source>%1 questions of %2 can be added:</source>
        <translation>%1 questions de %2 peuvent être ajoutées&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add 1 question</source>
        <translation>A&amp;jouter 1 question</translation>
    </message>
    <message>
        <source>&amp;Add %1 questions</source>
        <translation>A&amp;jouter %1 questions</translation>
    </message>
</context>
<context>
    <name>LogCommands</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Log file has been deleted by some other program!</source>
        <translation>Le journal a été supprimé par un autre programme&#xa0;!</translation>
    </message>
    <message>
        <source>Save Quiz Log As:</source>
        <translation>Enregistrer le journal du quiz sous&#xa0;:</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|Log files (*.log)|*.log|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog filter: names shown, each followed by |*.ext| as it is.</extracomment>
        <translation>Fichiers texte (*.txt)|*.txt|Fichiers journaux (*.log)|*.log|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot export log file to itself!</source>
        <translation>Impossible d&apos;exporter le journal vers lui-même&#xa0;!</translation>
    </message>
    <message>
        <source>This will delete the log file permanently.
Are you sure you want to do this?</source>
        <translation>Le journal sera supprimé définitivement.
Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Could not delete %1
File is either marked as Read-Only
or is in use by another program</source>
        <translation>Impossible de supprimer %1
Le fichier est en lecture seule
ou utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Could not open %1 for input.</source>
        <translation>Impossible d&apos;ouvrir %1 en lecture.</translation>
    </message>
    <message>
        <source>Could not replace output file %1</source>
        <translation>Impossible de remplacer le fichier de sortie %1</translation>
    </message>
    <message>
        <source>Input file %1
is either damaged or not a Brainloft Log</source>
        <translation>Le fichier d&apos;entrée %1
est endommagé ou n&apos;est pas un journal Brainloft</translation>
    </message>
    <message>
        <source>Error writing to %1</source>
        <translation>Erreur d&apos;écriture dans %1</translation>
    </message>
</context>
<context>
    <name>LogCommentDialog</name>
    <message>
        <source>Log Score</source>
        <translation>Enregistrer le score</translation>
    </message>
    <message>
        <source>Enter a comment (name, student number, etc.) to identify your log entry:</source>
        <translation>Saisissez un commentaire (nom, numéro d&apos;élève, etc.) pour identifier votre entrée dans le journal&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t log my score!</source>
        <translation>Ne pas enregistrer mon score&#xa0;!</translation>
    </message>
    <message>
        <source>The log cannot store these characters: %1
Please leave them out of your comment.</source>
        <translation>Le journal ne peut pas enregistrer ces caractères&#xa0;: %1
Veuillez les retirer de votre commentaire.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Create a new quiz</source>
        <translation>&amp;Créer un nouveau quiz</translation>
    </message>
    <message>
        <source>&amp;Load an existing quiz</source>
        <translation>&amp;Ouvrir un quiz existant</translation>
    </message>
    <message>
        <source>&amp;Take the current quiz</source>
        <translation>&amp;Passer le quiz actuel</translation>
    </message>
    <message>
        <source>&amp;Edit the current quiz</source>
        <translation>&amp;Modifier le quiz actuel</translation>
    </message>
    <message>
        <source>&amp;About Brainloft</source>
        <translation>À propos de &amp;Brainloft</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Brainloft - &lt;New Quiz&gt;</source>
        <translation>Brainloft - &lt;Nouveau quiz&gt;</translation>
    </message>
    <message>
        <source>Brainloft - %1</source>
        <translation>Brainloft - %1</translation>
    </message>
    <message>
        <source>Brainloft Files (*.blz)|*.blz||</source>
        <extracomment>A file dialog filter: the name shown, then |*.blz|| as it is.</extracomment>
        <translation>Fichiers Brainloft (*.blz)|*.blz||</translation>
    </message>
    <message>
        <source>Access Denied!</source>
        <translation>Accès refusé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>MergedLog</name>
    <message>
        <source>%1 is one of the logs shown; a merged log goes into a new file.</source>
        <translation>%1 est l&apos;un des journaux affichés&#xa0;; un journal fusionné va dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>The merged log could not be written.</source>
        <translation>Le journal fusionné n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The merged log could not be saved as %1.</source>
        <translation>Le journal fusionné n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Select the password that will be required to edit this quiz or access any logged scores:</source>
        <translation>Choisissez le mot de passe qui sera demandé pour modifier ce quiz ou consulter les scores enregistrés&#xa0;:</translation>
    </message>
    <message>
        <source>Enter &amp;old password:</source>
        <translation>&amp;Ancien mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Enter &amp;new password:</source>
        <translation>&amp;Nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Confirm new password:</source>
        <translation>&amp;Confirmer le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Enter password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Choose Password</source>
        <translation>Choisir le mot de passe</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>Mot de passe incorrect&#xa0;!</translation>
    </message>
    <message>
        <source>Password cannot be blank!</source>
        <translation>Le mot de passe ne peut pas être vide&#xa0;!</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>The new password contains characters that a quiz file cannot store:
%1
Please choose another password.</source>
        <translation>Le nouveau mot de passe contient des caractères qu&apos;un fichier de quiz ne peut pas enregistrer&#xa0;:
%1
Veuillez choisir un autre mot de passe.</translation>
    </message>
</context>
<context>
    <name>PrintPdfCommand</name>
    <message>
        <source>The quiz has no questions to print.</source>
        <translation>Le quiz n&apos;a aucune question à imprimer.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 pages).</source>
        <translation>%1 écrit (%2 pages).</translation>
    </message>
</context>
<context>
    <name>PrintQuizDialog</name>
    <message>
        <source>Print Quiz</source>
        <translation>Imprimer le quiz</translation>
    </message>
    <message>
        <source>What to print</source>
        <translation>Que imprimer</translation>
    </message>
    <message>
        <source>&amp;Exam paper</source>
        <translation>&amp;Sujet d&apos;examen</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>&amp;Corrigé</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versions&#xa0;:</translation>
    </message>
    <message>
        <source>This quiz keeps its questions and answers in their order, so all versions are alike. Switch on random order in the quiz parameters to vary them.</source>
        <translation>Ce quiz garde ses questions et ses réponses dans leur ordre, toutes les versions sont donc identiques. Activez l&apos;ordre aléatoire dans les paramètres du quiz pour les varier.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>A&amp;perçu...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Flash-card sheets</source>
        <translation>&amp;Feuilles de cartes</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>These pictures could not be printed; a note stands in their place:
%1</source>
        <translation>Ces images n&apos;ont pas pu être imprimées&#xa0;; une remarque les remplace&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>The quiz could not be printed:
%1</source>
        <translation>Le quiz n&apos;a pas pu être imprimé&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>L&apos;imprimante a signalé une erreur.</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>l&apos;imprimante</translation>
    </message>
    <message>
        <source>The quiz could not be printed on %1:
%2</source>
        <translation>Le quiz n&apos;a pas pu être imprimé sur %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>-key</source>
        <translation>-corrige</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*||</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Could not write
%1
%2</source>
        <translation>Impossible d&apos;écrire
%1
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
Le dossier n&apos;existe pas.
Vérifiez le nom du dossier et réessayez.</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>Choose answer(s):</source>
        <translation>Choisissez la ou les réponses&#xa0;:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Submit answer(s)</source>
        <extracomment>A fixed-width button on the question screen: keep to about 34 characters.
----------
Fixed-width buttons on the question screen: keep to about 34 characters.</extracomment>
        <translation>&amp;Valider la ou les réponses</translation>
    </message>
    <message>
        <source>&amp;Quit (abort this quiz)</source>
        <extracomment>A fixed-width button on the question screen: keep to about 34 characters.</extracomment>
        <translation>&amp;Quitter (abandonner ce quiz)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>End Preview</source>
        <translation>Fin aperçu</translation>
    </message>
    <message>
        <source>Memory allocation error</source>
        <translation>Erreur d&apos;allocation mémoire</translation>
    </message>
    <message>
        <source>You must choose at least one answer!</source>
        <translation>Vous devez choisir au moins une réponse&#xa0;!</translation>
    </message>
    <message>
        <source>Your answer was incorrect.
Click OK to see the correct answer.</source>
        <translation>Votre réponse est incorrecte.
Cliquez sur OK pour voir la réponse correcte.</translation>
    </message>
    <message>
        <source>&amp;Next question</source>
        <extracomment>Fixed-width button on the question screen: keep to about 34 characters.</extracomment>
        <translation>Question &amp;suivante</translation>
    </message>
    <message>
        <source>Time expired!</source>
        <extracomment>A fixed-width status line: keep to about 37 characters.</extracomment>
        <translation>Temps écoulé&#xa0;!</translation>
    </message>
    <message>
        <source>Incorrect!</source>
        <translation>Incorrect&#xa0;!</translation>
    </message>
    <message>
        <source>Correct answer shown above.</source>
        <extracomment>A fixed-width status line: keep to about 37 characters.</extracomment>
        <translation>Réponse correcte affichée ci-dessus.</translation>
    </message>
</context>
<context>
    <name>QuestionEditorBase</name>
    <message>
        <source>CQuestion allocation failed</source>
        <translation>Échec de l&apos;allocation de CQuestion</translation>
    </message>
    <message>
        <source>QEdit error</source>
        <translation>Erreur QEdit</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Windows Bitmaps (*.bmp)|*.bmp||</source>
        <extracomment>A file dialog filter: the name shown, then |*.bmp|| as it is.</extracomment>
        <translation>Images bitmap Windows (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>The image file path contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>Le chemin du fichier image contient des caractères qu&apos;un fichier de quiz ne peut pas enregistrer&#xa0;:
%1
Veuillez les remplacer ou les supprimer.</translation>
    </message>
    <message>
        <source>Bitmap file does not exist, either in
the specified directory or the current working directory.</source>
        <translation>Le fichier bitmap n&apos;existe ni dans
le dossier indiqué ni dans le dossier de travail actuel.</translation>
    </message>
    <message>
        <source>%1 is not a valid Windows bitmap.</source>
        <translation>%1 n&apos;est pas une image bitmap Windows valide.</translation>
    </message>
</context>
<context>
    <name>QuestionEditorDialog</name>
    <message>
        <source>Edit Question</source>
        <translation>Modifier la question</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Question</translation>
    </message>
    <message>
        <source>&amp;Use custom font</source>
        <translation>&amp;Police personnalisée</translation>
    </message>
    <message>
        <source>Change custom &amp;font...</source>
        <translation>Changer la &amp;police...</translation>
    </message>
    <message>
        <source>&amp;Image File:</source>
        <translation>Fichier &amp;image&#xa0;:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>&amp;A:</source>
        <translation>&amp;A&#xa0;:</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Beside an answer: ticked when this answer is a correct one.</extracomment>
        <translation>Correcte</translation>
    </message>
    <message>
        <source>&amp;B:</source>
        <translation>&amp;B&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;C:</source>
        <translation>&amp;C&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;D:</source>
        <translation>&amp;D&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;E:</source>
        <translation>&amp;E&#xa0;:</translation>
    </message>
    <message>
        <source>Allow &amp;multiple correct answers</source>
        <translation>Autoriser plusieurs réponses &amp;correctes</translation>
    </message>
    <message>
        <source>&amp;Scoring and Timing</source>
        <translation>Score et &amp;temps</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>points</translation>
    </message>
    <message>
        <source>&amp;Time Limit</source>
        <translation>&amp;Limite de temps</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>&amp;Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>&amp;Réduire le score de</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>points toutes les</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Editing Question %1</source>
        <translation>Modification de la question %1</translation>
    </message>
    <message>
        <source>Adding Question %1</source>
        <translation>Ajout de la question %1</translation>
    </message>
    <message>
        <source>Add Question</source>
        <translation>Ajouter une question</translation>
    </message>
    <message>
        <source>Quit without adding this question?</source>
        <translation>Quitter sans ajouter cette question&#xa0;?</translation>
    </message>
    <message>
        <source>The question text contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>Le texte de la question contient des caractères qu&apos;un fichier de quiz ne peut pas enregistrer&#xa0;:
%1
Veuillez les remplacer ou les supprimer.</translation>
    </message>
    <message>
        <source>The answer %1 contains characters that a quiz file cannot store:
%2
Please replace or remove them.</source>
        <extracomment>%1 is the answer&apos;s letter (A to E), %2 the characters.</extracomment>
        <translation>La réponse %1 contient des caractères qu&apos;un fichier de quiz ne peut pas enregistrer&#xa0;:
%2
Veuillez les remplacer ou les supprimer.</translation>
    </message>
    <message>
        <source>You must provide either question text,
an image file, or both.</source>
        <translation>Vous devez fournir un texte de question,
un fichier image, ou les deux.</translation>
    </message>
    <message>
        <source>You answers have been compacted to remove gaps.
Please verify the results.</source>
        <translation>Vos réponses ont été regroupées pour supprimer les vides.
Veuillez vérifier le résultat.</translation>
    </message>
    <message>
        <source>You must specify at least one correct answer.</source>
        <translation>Vous devez indiquer au moins une réponse correcte.</translation>
    </message>
    <message>
        <source>You must provide at least two answers.</source>
        <translation>Vous devez fournir au moins deux réponses.</translation>
    </message>
    <message>
        <source>Correct answer(s) cannot be blank.</source>
        <translation>Une réponse correcte ne peut pas être vide.</translation>
    </message>
</context>
<context>
    <name>QuestionScreen</name>
    <message>
        <source>Error:
Could not find or open image file %1</source>
        <translation>Erreur&#xa0;:
Impossible de trouver ou d&apos;ouvrir le fichier image %1</translation>
    </message>
</context>
<context>
    <name>QuestionsModel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Presented</source>
        <translation>Présentée</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Facilité</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Discrimination</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Signal</translation>
    </message>
</context>
<context>
    <name>QuizApp</name>
    <message>
        <source>This will remove Brainloft from your system.
Are you sure?</source>
        <translation>Brainloft va être supprimé de votre système.
Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Brainloft Uninstall</source>
        <translation>Désinstallation de Brainloft</translation>
    </message>
</context>
<context>
    <name>QuizEditorDialog</name>
    <message>
        <source>Edit Quiz</source>
        <translation>Modifier le quiz</translation>
    </message>
    <message>
        <source>&amp;Append questions</source>
        <translation>&amp;Ajouter des questions</translation>
    </message>
    <message>
        <source>&amp;Insert questions</source>
        <translation>&amp;Insérer des questions</translation>
    </message>
    <message>
        <source>&amp;Edit the selected question</source>
        <translation>&amp;Modifier la question choisie</translation>
    </message>
    <message>
        <source>&amp;Delete the selected question</source>
        <translation>&amp;Supprimer la question choisie</translation>
    </message>
    <message>
        <source>Move question &amp;up</source>
        <translation>Monter la q&amp;uestion</translation>
    </message>
    <message>
        <source>&amp;Move question down</source>
        <translation>&amp;Descendre la question</translation>
    </message>
    <message>
        <source>&amp;Change quiz parameters...</source>
        <translation>&amp;Changer les paramètres du quiz...</translation>
    </message>
    <message>
        <source>Pri&amp;nt...</source>
        <translation>Imp&amp;rimer...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>E&amp;nregistrer...</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>&amp;Append flash cards</source>
        <translation>&amp;Ajouter des cartes</translation>
    </message>
    <message>
        <source>&amp;Insert flash cards</source>
        <translation>&amp;Insérer des cartes</translation>
    </message>
    <message>
        <source>&amp;Edit flash card</source>
        <translation>&amp;Modifier la carte</translation>
    </message>
    <message>
        <source>&amp;Delete flash card</source>
        <translation>&amp;Supprimer la carte</translation>
    </message>
    <message>
        <source>Move flash card &amp;up</source>
        <translation>Monter la car&amp;te</translation>
    </message>
    <message>
        <source>&amp;Move flash card down</source>
        <translation>&amp;Descendre la carte</translation>
    </message>
    <message>
        <source>&lt;NO TEXT ENTERED&gt;</source>
        <translation>&lt;AUCUN TEXTE SAISI&gt;</translation>
    </message>
    <message>
        <source>Editing New Quiz</source>
        <translation>Modification du nouveau quiz</translation>
    </message>
    <message>
        <source>Editing %1</source>
        <translation>Modification de %1</translation>
    </message>
    <message>
        <source>This quiz is now full.</source>
        <translation>Ce quiz est maintenant plein.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete flash card %1?</source>
        <translation>Voulez-vous vraiment supprimer la carte %1&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete question %1?</source>
        <translation>Voulez-vous vraiment supprimer la question %1&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Im&amp;port questions...</source>
        <translation>Imp&amp;orter des questions...</translation>
    </message>
    <message>
        <source>E&amp;xport quiz...</source>
        <translation>E&amp;xporter le quiz...</translation>
    </message>
    <message>
        <source>&amp;%1 (.%2)...</source>
        <translation>&amp;%1 (.%2)...</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>Importer des questions</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml *.csv *.tsv)|*.gift;*.txt;*.xml;*.csv;*.tsv|GIFT (*.gift *.txt)|*.gift;*.txt|Aiken (*.txt)|*.txt|Moodle XML (*.xml)|*.xml|CSV (*.csv)|*.csv|TSV, Anki notes (*.tsv *.txt)|*.tsv;*.txt|All files (*.*)|*.*||</source>
        <translation>Fichiers de questions (*.gift *.txt *.xml *.csv *.tsv)|*.gift;*.txt;*.xml;*.csv;*.tsv|GIFT (*.gift *.txt)|*.gift;*.txt|Aiken (*.txt)|*.txt|Moodle XML (*.xml)|*.xml|CSV (*.csv)|*.csv|TSV, notes Anki (*.tsv *.txt)|*.tsv;*.txt|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Could not read %1 as %2:
%3</source>
        <translation>Impossible de lire %1 au format %2&#xa0;:
%3</translation>
    </message>
    <message>
        <source>Export Quiz as %1</source>
        <translation>Exporter le quiz au format %1</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>quiz</translation>
    </message>
    <message>
        <source>%1 files (*.%2)|*.%2|All files (*.*)|*.*||</source>
        <translation>Fichiers %1 (*.%2)|*.%2|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>%1 holds none of this quiz&apos;s questions; nothing was written.</source>
        <translation>%1 ne peut contenir aucune des questions de ce quiz&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Could not write
%1
%2</source>
        <translation>Impossible d&apos;écrire
%1
%2</translation>
    </message>
    <message>
        <source>Wrote 1 question to %1.</source>
        <translation>1 question écrite dans %1.</translation>
    </message>
    <message>
        <source>Wrote %1 questions to %2.</source>
        <translation>%1 questions écrites dans %2.</translation>
    </message>
</context>
<context>
    <name>QuizFiles</name>
    <message>
        <source>Could not open
%1</source>
        <translation>Impossible d&apos;ouvrir
%1</translation>
    </message>
    <message>
        <source>File load failed</source>
        <translation>Échec de l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>Could not create or access
%1</source>
        <translation>Impossible de créer ou d&apos;accéder à
%1</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Could not write
%1
%2
The file on disk has not been changed.</source>
        <translation>Impossible d&apos;écrire
%1
%2
Le fichier sur le disque n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Brainloft Files (*.blz)|*.blz||</source>
        <extracomment>A file dialog filter: the name shown, then |*.blz|| as it is.</extracomment>
        <translation>Fichiers Brainloft (*.blz)|*.blz||</translation>
    </message>
    <message>
        <source>Save the current quiz?</source>
        <translation>Enregistrer le quiz actuel&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QuizParametersDialog</name>
    <message>
        <source>Quiz Parameters</source>
        <translation>Paramètres du quiz</translation>
    </message>
    <message>
        <source>&amp;Quiz Type</source>
        <translation>T&amp;ype de quiz</translation>
    </message>
    <message>
        <source>Multiple choice</source>
        <translation>Choix multiples</translation>
    </message>
    <message>
        <source>Flash cards</source>
        <translation>Cartes de révision</translation>
    </message>
    <message>
        <source>&amp;Logging</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Log results</source>
        <translation>Enregistrer les résultats</translation>
    </message>
    <message>
        <source>Export log...</source>
        <translation>Exporter le journal...</translation>
    </message>
    <message>
        <source>Delete log...</source>
        <translation>Supprimer le journal...</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Présentation</translation>
    </message>
    <message>
        <source>Overall time limit</source>
        <translation>Limite de temps totale</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number field: Overall time limit [N] minutes.</extracomment>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Randomize questions</source>
        <translation>Mélanger les questions</translation>
    </message>
    <message>
        <source>Randomize answers</source>
        <translation>Mélanger les réponses</translation>
    </message>
    <message>
        <source>Review answers</source>
        <translation>Revoir les réponses</translation>
    </message>
    <message>
        <source>Default question &amp;font</source>
        <translation>&amp;Police par défaut des questions</translation>
    </message>
    <message>
        <source>Use custom font</source>
        <translation>Police personnalisée</translation>
    </message>
    <message>
        <source>Change custom font...</source>
        <translation>Changer la police...</translation>
    </message>
    <message>
        <source>Apply to all existing questions</source>
        <translation>Appliquer à toutes les questions existantes</translation>
    </message>
    <message>
        <source>Default &amp;Scoring and Timing</source>
        <translation>&amp;Score et temps par défaut</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>points</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Limite de temps</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Réduire le score de</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>points toutes les</translation>
    </message>
    <message>
        <source>Apply to all existing questions...</source>
        <translation>Appliquer à toutes les questions existantes...</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Changer le mot de passe...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Time Limit cannot be less than one minute</source>
        <translation>La limite de temps ne peut pas être inférieure à une minute</translation>
    </message>
    <message>
        <source>Time limit cannot exceed 300 minutes.</source>
        <translation>La limite de temps ne peut pas dépasser 300 minutes.</translation>
    </message>
    <message>
        <source>Default time limit cannot be less than one second</source>
        <translation>La limite de temps par défaut ne peut pas être inférieure à une seconde</translation>
    </message>
    <message>
        <source>Default time limit cannot exceed 300 seconds.</source>
        <translation>La limite de temps par défaut ne peut pas dépasser 300 secondes.</translation>
    </message>
    <message>
        <source>Default score must be at least 1 point.</source>
        <translation>Le score par défaut doit être d&apos;au moins 1 point.</translation>
    </message>
    <message>
        <source>Default score cannot exceed 50 points.</source>
        <translation>Le score par défaut ne peut pas dépasser 50 points.</translation>
    </message>
    <message>
        <source>&amp;View results...</source>
        <translation>&amp;Voir les résultats...</translation>
    </message>
</context>
<context>
    <name>QuizPrint</name>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Time limit: 1 second</source>
        <translation>Limite de temps&#xa0;: 1 seconde</translation>
    </message>
    <message>
        <source>Time limit: %1 seconds</source>
        <translation>Limite de temps&#xa0;: %1 secondes</translation>
    </message>
    <message>
        <source>Picture not found: %1</source>
        <translation>Image introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picture cannot be read: %1</source>
        <translation>Image illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source> — Version %1</source>
        <translation> — Version %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>1 question</source>
        <translation>1 question</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 questions</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time allowed: 1 minute</source>
        <translation>Durée&#xa0;: 1 minute</translation>
    </message>
    <message>
        <source>Time allowed: %1 minutes</source>
        <translation>Durée&#xa0;: %1 minutes</translation>
    </message>
    <message>
        <source>Several answers may be correct</source>
        <translation>Plusieurs réponses peuvent être correctes</translation>
    </message>
    <message>
        <source>card backs</source>
        <translation>versos des cartes</translation>
    </message>
    <message>
        <source>card fronts</source>
        <translation>rectos des cartes</translation>
    </message>
    <message>
        <source>Answer key — Version %1</source>
        <translation>Corrigé — Version %1</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>[picture: %1]</source>
        <translation>[image&#xa0;: %1]</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>There is nothing to print: choose the exam paper, the answer key, or both.</source>
        <translation>Il n&apos;y a rien à imprimer&#xa0;: choisissez le sujet d&apos;examen, le corrigé, ou les deux.</translation>
    </message>
    <message>
        <source>The printer or file could not be opened for printing.</source>
        <translation>L&apos;imprimante ou le fichier n&apos;a pas pu être ouvert pour l&apos;impression.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>L&apos;imprimante s&apos;est arrêtée avant la dernière page.</translation>
    </message>
    <message>
        <source>%1 belongs to the quiz itself; please choose another file for the PDF.</source>
        <translation>%1 fait partie du quiz lui-même&#xa0;; veuillez choisir un autre fichier pour le PDF.</translation>
    </message>
    <message>
        <source>New Quiz</source>
        <translation>Nouveau quiz</translation>
    </message>
</context>
<context>
    <name>QuizRunner</name>
    <message>
        <source>Memory allocation error</source>
        <translation>Erreur d&apos;allocation mémoire</translation>
    </message>
    <message>
        <source>SetTimer() API call failed.</source>
        <translation>Échec de l&apos;appel SetTimer().</translation>
    </message>
    <message>
        <source>This quiz has changed since the attempt was interrupted. It starts again from the beginning.</source>
        <translation>Ce quiz a changé depuis l&apos;interruption de la tentative. Il reprend depuis le début.</translation>
    </message>
    <message>
        <source>An attempt at this quiz was interrupted at question %1 of %2.
Do you want to resume it?</source>
        <translation>Une tentative sur ce quiz a été interrompue à la question %1 sur %2.
Voulez-vous la reprendre&#xa0;?</translation>
    </message>
    <message>
        <source>You answered no questions at all.</source>
        <translation>Vous n&apos;avez répondu à aucune question.</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Time Expired!</source>
        <translation>Temps écoulé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>QuizScreenDialog</name>
    <message>
        <source>Are you sure you want to abort this quiz?</source>
        <translation>Voulez-vous vraiment abandonner ce quiz&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QuizTexts</name>
    <message>
        <source>Time left for this quiz: %1:%2:%3</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Temps restant (quiz)&#xa0;: %1:%2:%3</translation>
    </message>
    <message>
        <source>Time left for this quiz: %1:%2</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Temps restant (quiz)&#xa0;: %1:%2</translation>
    </message>
    <message>
        <source>This question is worth 1 point.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Cette question vaut 1 point.</translation>
    </message>
    <message>
        <source>This question is worth %1 points.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Cette question vaut %1 points.</translation>
    </message>
    <message>
        <source>Score so far: none.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Score actuel&#xa0;: aucun.</translation>
    </message>
    <message>
        <source>Score so far: %1 of %2 points (%3%)</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Score&#xa0;: %1 sur %2 points (%3%)</translation>
    </message>
    <message>
        <source>Time left for this question: %1 seconds</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Temps restant&#xa0;: %1 secondes</translation>
    </message>
    <message>
        <source>Time limit for this quiz has expired.</source>
        <translation>Le temps imparti pour ce quiz est écoulé.</translation>
    </message>
    <message>
        <source>Time limit for this question has expired.</source>
        <translation>Le temps imparti pour cette question est écoulé.</translation>
    </message>
    <message>
        <source>For the %1 question(s) you answered, you scored %2 of %3 points (%4%).
For the entire quiz, you scored %5 of %6 points (%7%).</source>
        <translation>Pour les %1 question(s) auxquelles vous avez répondu, vous avez obtenu %2 sur %3 points (%4%).
Pour l&apos;ensemble du quiz, vous avez obtenu %5 sur %6 points (%7%).</translation>
    </message>
    <message>
        <source>Final score: %1 of %2 points (%3%)</source>
        <translation>Score final&#xa0;: %1 sur %2 points (%3%)</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>Do you wish to associate the .BLZ extension with Brainloft?</source>
        <translation>Voulez-vous associer l&apos;extension .BLZ à Brainloft&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ResultsCommand</name>
    <message>
        <source>No results log could be read.</source>
        <translation>Aucun journal des résultats n&apos;a pu être lu.</translation>
    </message>
    <message>
        <source>Read %1 entries (%2 complete, %3 incomplete).</source>
        <translation>Entrées lues&#xa0;: %1 (complètes&#xa0;: %2, incomplètes&#xa0;: %3).</translation>
    </message>
    <message>
        <source>%1 entries are of another version of the quiz (another number of questions) and are left out of the figures.</source>
        <translation>Entrées d&apos;une autre version du quiz (autre nombre de questions), écartées des calculs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 écrit.</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 pages).</source>
        <translation>%1 écrit (pages&#xa0;: %2).</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>%1 is the quiz or one of its logs; please choose another file.</source>
        <translation>%1 est le quiz ou l&apos;un de ses journaux&#xa0;; veuillez choisir un autre fichier.</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Journaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Takers by percentage (bins of ten points)</source>
        <translation>Participants par pourcentage (tranches de dix points)</translation>
    </message>
    <message>
        <source>Facility by question (%)</source>
        <translation>Indice de facilité par question (%)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Posée</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Facilité</translation>
    </message>
    <message>
        <source>Discr.</source>
        <translation>Discr.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Sans</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>The printer or file could not be opened for printing.</source>
        <translation>Impossible d&apos;ouvrir l&apos;imprimante ou le fichier pour l&apos;impression.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>L&apos;imprimante s&apos;est arrêtée avant la dernière page.</translation>
    </message>
    <message>
        <source>%1 is the quiz or one of its logs; please choose another file.</source>
        <translation>%1 est le quiz ou l&apos;un de ses journaux&#xa0;; veuillez choisir un autre fichier.</translation>
    </message>
    <message>
        <source>Results - %1</source>
        <translation>Résultats - %1</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>%1: read %2 entries; the log is damaged after entry %3</source>
        <translation>%1&#xa0;: le journal est endommagé après l&apos;entrée %3&#xa0;; entrées lues&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: there is no such log.</source>
        <translation>%1&#xa0;: ce journal n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be read; check that you may open it.</source>
        <translation>%1 ne peut pas être lu&#xa0;; vérifiez que vous avez le droit de l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a results log.</source>
        <translation>%1 est un dossier, pas un journal des résultats.</translation>
    </message>
    <message>
        <source>%1 is not a file; a results log is an ordinary file.</source>
        <translation>%1 n&apos;est pas un fichier&#xa0;; un journal des résultats est un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is being written by another program; please try again in a moment.</source>
        <translation>%1 est en cours d&apos;écriture par un autre programme&#xa0;; veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>consistent</source>
        <translation>cohérent</translation>
    </message>
    <message>
        <source>acceptable</source>
        <translation>acceptable</translation>
    </message>
    <message>
        <source>unreliable</source>
        <translation>peu fiable</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>difficile</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>facile</translation>
    </message>
    <message>
        <source>check the key</source>
        <translation>vérifier la clé</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>peu discriminante</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>complète</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>incomplète</translation>
    </message>
    <message>
        <source>other quiz</source>
        <translation>autre quiz</translation>
    </message>
    <message>
        <source>%1 complete, %2 incomplete</source>
        <translation>complètes&#xa0;: %1, incomplètes&#xa0;: %2</translation>
    </message>
    <message>
        <source>, %1 of another version of the quiz (left out)</source>
        <translation>, d&apos;une autre version du quiz (écartées)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Entries read</source>
        <translation>Entrées lues</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>the class&apos;s average percentage</source>
        <translation>le pourcentage moyen de la classe</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>half the class scored at least this</source>
        <translation>la moitié de la classe a obtenu au moins ce score</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <source>how far percentages typically lie from the mean</source>
        <translation>l&apos;écart habituel des pourcentages par rapport à la moyenne</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>the lowest percentage</source>
        <translation>le pourcentage le plus bas</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>the highest percentage</source>
        <translation>le pourcentage le plus haut</translation>
    </message>
    <message>
        <source>needs three complete entries that differ</source>
        <translation>exige trois entrées complètes différentes</translation>
    </message>
    <message>
        <source>%1 (0.75 and more is consistent)</source>
        <translation>%1 (cohérent à partir de 0,75)</translation>
    </message>
    <message>
        <source>Cronbach&apos;s alpha</source>
        <translation>Alpha de Cronbach</translation>
    </message>
    <message>
        <source>Standard error</source>
        <translation>Erreur type</translation>
    </message>
    <message>
        <source>a percentage is uncertain by about this much</source>
        <translation>l&apos;incertitude approximative d&apos;un pourcentage</translation>
    </message>
    <message>
        <source>needs alpha</source>
        <translation>exige l&apos;alpha</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>&amp;Add log...</source>
        <translation>&amp;Ajouter un journal...</translation>
    </message>
    <message>
        <source>Save &amp;merged log as...</source>
        <translation>Enregistrer le journal &amp;fusionné sous...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Save report as &amp;PDF...</source>
        <translation>Enregistrer le rapport en &amp;PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Synthèse</translation>
    </message>
    <message>
        <source>Sea&amp;rch comments:</source>
        <translation>&amp;Rechercher dans les commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Choisie</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Obtenu</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;Takers</source>
        <translation>&amp;Candidats</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Chosen by</source>
        <translation>Choisie par</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Questions</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>%1 entries are of another version of the quiz (another number of questions) and are left out of the figures.</source>
        <translation>%1 entrées viennent d&apos;une autre version du quiz (autre nombre de questions) et sont exclues des chiffres.</translation>
    </message>
    <message>
        <source>No log read yet.</source>
        <translation>Aucun journal lu pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Journaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Takers by percentage (bins of ten points)</source>
        <translation>Candidats par pourcentage (tranches de dix points)</translation>
    </message>
    <message>
        <source>Takers</source>
        <translation>Candidats</translation>
    </message>
    <message>
        <source>Facility by question (%)</source>
        <translation>Facilité par question (%)</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Facilité</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcte</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecte</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>non présentée</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Choose a question to see how its answers were chosen.</source>
        <translation>Choisissez une question pour voir comment ses réponses ont été choisies.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source> (key)</source>
        <translation> (clé)</translation>
    </message>
    <message>
        <source>no answer submitted</source>
        <translation>aucune réponse validée</translation>
    </message>
    <message>
        <source>Add log</source>
        <translation>Ajouter un journal</translation>
    </message>
    <message>
        <source>Results logs (*.blg)|*.blg|All files (*)|*||</source>
        <translation>Journaux de résultats (*.blg)|*.blg|Tous les fichiers (*)|*||</translation>
    </message>
    <message>
        <source>Save merged log as</source>
        <translation>Enregistrer le journal fusionné sous</translation>
    </message>
    <message>
        <source>Results logs (*.blg)|*.blg||</source>
        <translation>Journaux de résultats (*.blg)|*.blg||</translation>
    </message>
    <message>
        <source>Wrote %1 entries to %2.</source>
        <translation>%1 entrées écrites dans %2.</translation>
    </message>
    <message>
        <source>%1 incomplete entries were left out: a log holds whole entries only.</source>
        <translation>%1 entrées incomplètes ont été exclues&#xa0;: un journal ne contient que des entrées complètes.</translation>
    </message>
    <message>
        <source>Export CSV: the takers&apos; file; the items and summary go beside it</source>
        <translation>Exporter en CSV&#xa0;: le fichier des candidats&#xa0;; les questions et la synthèse à côté</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv||</source>
        <translation>Fichiers CSV (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 écrit.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf||</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf||</translation>
    </message>
</context>
<context>
    <name>TakersModel</name>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Presented</source>
        <translation>Présentées</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Obtenus</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Possible</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>All questions %</source>
        <translation>Toutes les questions %</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Brainloft&apos;s data has been removed from the Registry.
Component files will be removed the next time you start the system.</source>
        <translation>Les données de Brainloft ont été supprimées du Registre.
Les fichiers des composants seront supprimés au prochain démarrage du système.</translation>
    </message>
    <message>
        <source>Brainloft Uninstall</source>
        <translation>Désinstallation de Brainloft</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».</translation>
    </message>
</context>
</TS>
