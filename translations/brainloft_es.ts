<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Brainloft</source>
        <translation>Acerca de Brainloft</translation>
    </message>
    <message>
        <source>Brainloft version 1.0</source>
        <translation>Brainloft versión 1.0</translation>
    </message>
    <message>
        <source>Build quizzes and flash cards, take them, and keep a log of the results.</source>
        <translation>Crear cuestionarios y tarjetas didácticas, realizarlos y llevar un registro de los resultados.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later: you may use, share and change it. It comes with no warranty.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior: puede usarlo, compartirlo y modificarlo. Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ApplyDefaultsDialog</name>
    <message>
        <source>Apply Default Settings</source>
        <translation>Aplicar valores predeterminados</translation>
    </message>
    <message>
        <source>Choose the setting(s) you wish to apply:</source>
        <translation>Elija los valores que desea aplicar:</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Puntuación</translation>
    </message>
    <message>
        <source>&amp;Time Limit</source>
        <translation>&amp;Límite de tiempo</translation>
    </message>
    <message>
        <source>&amp;Reduce score over time</source>
        <translation>&amp;Reducir la puntuación con el tiempo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>You must choose at least one settting to apply!</source>
        <translation>Debe elegir al menos un valor para aplicar.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: </source>
        <extracomment>The start of the --help text; the lines below it are indented to match.</extracomment>
        <translation>Uso: </translation>
    </message>
    <message>
        <source>Builds and takes quizzes.
</source>
        <translation>Crea cuestionarios y permite realizarlos.
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
        <translation>  QUIZ.blz          realizar el cuestionario y salir
  --edit QUIZ.blz   abrir el cuestionario para editarlo (pide su contraseña)
  --results QUIZ.blz [MORE.blg ...]
                    mostrar los resultados del registro del cuestionario y de
                    los demás registros indicados; con cualquiera de estas
                    opciones, escribir archivos en su lugar:
    --takers-csv FILE    una fila por cada intento registrado
    --items-csv FILE     una fila por pregunta: facilidad, discriminación y
                         cuántas veces se eligió cada respuesta
    --summary-csv FILE   las cifras de la clase en una fila
    --report-pdf FILE    el resumen, los gráficos y la tabla de preguntas
  --import FILE --output NEW.blz
                    crear un cuestionario nuevo con las preguntas de FILE;
                    nunca se sustituye un archivo existente
    --format FORMAT      gift, aiken, moodle-xml, csv o tsv (se deduce si no
                         se indica)
    --flash-cards        crear un cuestionario de tarjetas didácticas
  --export FORMAT QUIZ.blz OUTPUT
                    escribir el cuestionario como gift, aiken, moodle-xml, qti,
                    csv o tsv
  --print-pdf QUIZ.blz OUT.pdf
                    escribir el cuestionario como hoja de examen
    --answer-key         añadir la clave de respuestas
    --key-only           escribir solo la clave de respuestas
    --versions N         N versiones (de 1 a 26, de la A a la Z), cada una en
                         su propio orden
  --uninstall       quitar las entradas de escritorio y los archivos de
                    programa de Brainloft
  --help            mostrar esta ayuda y salir
  --version         mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>Options may also be written /edit and /uninstall.
</source>
        <translation>Las opciones también se pueden escribir /edit y /uninstall.
</translation>
    </message>
    <message>
        <source>The commands that write files need no display and leave the desktop&apos;s files
alone. Those that reveal a quiz&apos;s answers or results need its password: from
the environment variable BRAINLOFT_PASSWORD, or asked on the terminal.
</source>
        <translation>Las órdenes que escriben archivos no necesitan pantalla y no tocan los archivos
del escritorio. Las que revelan las respuestas o los resultados de un
cuestionario necesitan su contraseña: se toma de la variable de entorno
BRAINLOFT_PASSWORD o se pide en la terminal.
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 failed, 2 bad arguments, 3 wrong password.
</source>
        <translation>Código de salida: 0 éxito, 1 fallo, 2 argumentos erróneos, 3 contraseña errónea
</translation>
    </message>
    <message>
        <source>an empty argument names no file</source>
        <translation>un argumento vacío no indica ningún archivo</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se ha indicado dos veces</translation>
    </message>
    <message>
        <source>--results needs the quiz file</source>
        <translation>--results necesita el archivo del cuestionario</translation>
    </message>
    <message>
        <source>--import needs the file to read</source>
        <translation>--import necesita el archivo que se va a leer</translation>
    </message>
    <message>
        <source>--import reads one file</source>
        <translation>--import lee un solo archivo</translation>
    </message>
    <message>
        <source>--import needs --output NEW.blz</source>
        <translation>--import necesita --output NEW.blz</translation>
    </message>
    <message>
        <source>unknown import format %1</source>
        <translation>formato de importación desconocido: %1</translation>
    </message>
    <message>
        <source>--export needs a format, the quiz and the file to write</source>
        <translation>--export necesita un formato, el cuestionario y el archivo que se va a escribir</translation>
    </message>
    <message>
        <source>unknown export format %1</source>
        <translation>formato de exportación desconocido: %1</translation>
    </message>
    <message>
        <source>--print-pdf needs the quiz and the PDF file to write</source>
        <translation>--print-pdf necesita el cuestionario y el archivo PDF que se va a escribir</translation>
    </message>
    <message>
        <source>--answer-key and --key-only exclude each other</source>
        <translation>--answer-key y --key-only se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--versions takes a number from 1 to 26</source>
        <translation>--versions admite un número de 1 a 26</translation>
    </message>
    <message>
        <source>only one of --results, --import, --export and --print-pdf at a time</source>
        <translation>solo una de las opciones --results, --import, --export y --print-pdf a la vez</translation>
    </message>
    <message>
        <source>%1 does not go with --edit or --uninstall</source>
        <translation>%1 no se puede combinar con --edit ni con --uninstall</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>no ANSWER line</source>
        <translation>falta la línea ANSWER</translation>
    </message>
    <message>
        <source>the question has no answers</source>
        <translation>la pregunta no tiene respuestas</translation>
    </message>
    <message>
        <source>ANSWER names no answer of the question</source>
        <translation>ANSWER no indica ninguna respuesta de la pregunta</translation>
    </message>
    <message>
        <source>a line is neither an answer nor the ANSWER line</source>
        <translation>una línea no es ni una respuesta ni la línea ANSWER</translation>
    </message>
    <message>
        <source>The file holds no Aiken questions.</source>
        <translation>El archivo no contiene preguntas Aiken.</translation>
    </message>
    <message>
        <source>Aiken holds no flash cards</source>
        <translation>Aiken no admite tarjetas didácticas</translation>
    </message>
    <message>
        <source>Aiken holds only questions with one correct answer</source>
        <translation>Aiken solo admite preguntas con una única respuesta correcta</translation>
    </message>
    <message>
        <source>Aiken needs a question text</source>
        <translation>Aiken necesita un texto de la pregunta</translation>
    </message>
    <message>
        <source>too many answers</source>
        <translation>demasiadas respuestas</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>El archivo no contiene filas.</translation>
    </message>
    <message>
        <source>The first row is not a header this program knows. It should be &quot;Question,A,B,C,D,E,Correct,Score,Time limit&quot; or &quot;Question,Answer,Score,Time limit&quot;.</source>
        <translation>La primera fila no es una cabecera que este programa conozca. Debe ser &quot;Question,A,B,C,D,E,Correct,Score,Time limit&quot; o &quot;Question,Answer,Score,Time limit&quot;.</translation>
    </message>
    <message>
        <source>the score &quot;%1&quot; is not a whole number</source>
        <translation>la puntuación &quot;%1&quot; no es un número entero</translation>
    </message>
    <message>
        <source>the time limit &quot;%1&quot; is not a whole number of seconds</source>
        <translation>el límite de tiempo &quot;%1&quot; no es un número entero de segundos</translation>
    </message>
    <message>
        <source>Correct names %1, which is no answer of the question</source>
        <translation>Correct indica %1, que no es ninguna respuesta de la pregunta</translation>
    </message>
    <message>
        <source>a CSV file of flash cards holds no questions</source>
        <translation>un archivo CSV de tarjetas didácticas no admite preguntas</translation>
    </message>
    <message>
        <source>a CSV file of questions holds no flash cards</source>
        <translation>un archivo CSV de preguntas no admite tarjetas didácticas</translation>
    </message>
    <message>
        <source>CSV holds at most five answers</source>
        <translation>CSV admite como máximo cinco respuestas</translation>
    </message>
    <message>
        <source>the line has no back: no separator found</source>
        <translation>la línea no tiene reverso: no se ha encontrado ningún separador</translation>
    </message>
    <message>
        <source>Only the first two fields of each line are read; the others (tags, further fields) are dropped.</source>
        <translation>Solo se leen los dos primeros campos de cada línea; los demás (etiquetas, otros campos) se descartan.</translation>
    </message>
    <message>
        <source>The file holds no flash cards.</source>
        <translation>El archivo no contiene tarjetas didácticas.</translation>
    </message>
    <message>
        <source>TSV holds only flash cards</source>
        <translation>TSV solo admite tarjetas didácticas</translation>
    </message>
    <message>
        <source>unbalanced braces</source>
        <translation>llaves desparejadas</translation>
    </message>
    <message>
        <source>description questions have no counterpart in Brainloft</source>
        <translation>las preguntas de descripción no tienen equivalente en Brainloft</translation>
    </message>
    <message>
        <source>essay questions have no counterpart in Brainloft</source>
        <translation>las preguntas de ensayo no tienen equivalente en Brainloft</translation>
    </message>
    <message>
        <source>numerical questions have no counterpart in Brainloft</source>
        <translation>las preguntas numéricas no tienen equivalente en Brainloft</translation>
    </message>
    <message>
        <source>the answers could not be read</source>
        <translation>no se han podido leer las respuestas</translation>
    </message>
    <message>
        <source>matching questions have no counterpart in Brainloft</source>
        <translation>las preguntas de emparejamiento no tienen equivalente en Brainloft</translation>
    </message>
    <message>
        <source>short-answer questions become flash cards only in a flash-card quiz</source>
        <translation>las preguntas de respuesta corta solo se convierten en tarjetas didácticas en un cuestionario de tarjetas didácticas</translation>
    </message>
    <message>
        <source>no answer gives full credit</source>
        <translation>ninguna respuesta otorga la puntuación completa</translation>
    </message>
    <message>
        <source>feedback dropped</source>
        <translation>retroalimentación descartada</translation>
    </message>
    <message>
        <source>The file holds no GIFT questions.</source>
        <translation>El archivo no contiene preguntas GIFT.</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; is left out: a question shows one picture</source>
        <translation>se omite el archivo &apos;%1&apos;: una pregunta muestra una sola imagen</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; is no picture Brainloft can show (or it is too large): it is left out</source>
        <translation>el archivo &apos;%1&apos; no es una imagen que Brainloft pueda mostrar (o es demasiado grande): se omite</translation>
    </message>
    <message>
        <source>categories have no counterpart in Brainloft: the questions after it go into the one quiz</source>
        <translation>las categorías no tienen equivalente en Brainloft: las preguntas que siguen a la categoría van al mismo cuestionario</translation>
    </message>
    <message>
        <source>descriptions have no counterpart in Brainloft</source>
        <translation>las descripciones no tienen equivalente en Brainloft</translation>
    </message>
    <message>
        <source>embedded answers (cloze) have no counterpart in Brainloft</source>
        <translation>las respuestas incrustadas (cloze) no tienen equivalente en Brainloft</translation>
    </message>
    <message>
        <source>questions of type &apos;%1&apos; have no counterpart in Brainloft</source>
        <translation>las preguntas de tipo &apos;%1&apos; no tienen equivalente en Brainloft</translation>
    </message>
    <message>
        <source>multiple-choice questions have no place in a flash-card quiz</source>
        <translation>las preguntas de opción múltiple no caben en un cuestionario de tarjetas didácticas</translation>
    </message>
    <message>
        <source>no answer earns full credit</source>
        <translation>ninguna respuesta obtiene la puntuación completa</translation>
    </message>
    <message>
        <source>only the first fully correct answer is kept</source>
        <translation>solo se conserva la primera respuesta totalmente correcta</translation>
    </message>
    <message>
        <source>pictures in answers are left out</source>
        <translation>se omiten las imágenes de las respuestas</translation>
    </message>
    <message>
        <source>no answer earns credit</source>
        <translation>ninguna respuesta obtiene puntuación</translation>
    </message>
    <message>
        <source>feedback is dropped</source>
        <translation>se descarta la retroalimentación</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB: it is not read.</source>
        <translation>El archivo ocupa más de 64 MiB: no se lee.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file declares XML entities, which Moodle XML files never do: it is not read.</source>
        <translation>El archivo declara entidades XML, algo que los archivos Moodle XML nunca hacen: no se lee.</translation>
    </message>
    <message>
        <source>This is not a Moodle XML file: its first element is &lt;%1&gt;, not &lt;quiz&gt;.</source>
        <translation>No es un archivo Moodle XML: su primer elemento es &lt;%1&gt;, no &lt;quiz&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3</source>
        <translation>El archivo no es XML (línea %1, columna %2): %3</translation>
    </message>
    <message>
        <source>The file holds no Moodle XML quiz.</source>
        <translation>El archivo no contiene ningún cuestionario Moodle XML.</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>The file is damaged (%1).</source>
        <translation>El archivo está dañado (%1).</translation>
    </message>
    <message>
        <source>the file is damaged at %1: nothing after it was read</source>
        <translation>el archivo está dañado en %1: no se ha leído nada de lo que sigue</translation>
    </message>
    <message>
        <source>it has no correct answer</source>
        <translation>no tiene respuesta correcta</translation>
    </message>
    <message>
        <source>the flash card has no answer</source>
        <translation>la tarjeta didáctica no tiene respuesta</translation>
    </message>
    <message>
        <source>its picture could not be read: it is left out</source>
        <translation>no se ha podido leer su imagen: se omite</translation>
    </message>
    <message numerus="yes">
        <source>Moodle XML stores no time limits for questions: %n questions lose them</source>
        <translation>
            <numerusform>Moodle XML no guarda límites de tiempo por pregunta: %n pregunta lo pierde</numerusform>
            <numerusform>Moodle XML no guarda límites de tiempo por pregunta: %n preguntas los pierden</numerusform>
        </translation>
    </message>
    <message>
        <source>the package could not be made</source>
        <translation>no se ha podido crear el paquete</translation>
    </message>
    <message numerus="yes">
        <source>QTI packages made here keep no time limits: %n questions lose them</source>
        <translation>
            <numerusform>Los paquetes QTI creados aquí no conservan límites de tiempo: %n pregunta lo pierde</numerusform>
            <numerusform>Los paquetes QTI creados aquí no conservan límites de tiempo: %n preguntas los pierden</numerusform>
        </translation>
    </message>
    <message>
        <source>characters the quiz&apos;s code page cannot hold: %1</source>
        <translation>caracteres que la página de códigos del cuestionario no admite: %1</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB; no quiz holds that much text.</source>
        <translation>El archivo ocupa más de 64 MiB; ningún cuestionario contiene tanto texto.</translation>
    </message>
    <message>
        <source>Reading %1 files is not available in this version.</source>
        <translation>La lectura de archivos %1 no está disponible en esta versión.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>No se ha podido abrir %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se ha podido leer %1: %2</translation>
    </message>
    <message>
        <source>a multiple-choice question has no place in a flash-card quiz</source>
        <translation>una pregunta de opción múltiple no cabe en un cuestionario de tarjetas didácticas</translation>
    </message>
    <message>
        <source>a flash card has no place in a multiple-choice quiz</source>
        <translation>una tarjeta didáctica no cabe en un cuestionario de opción múltiple</translation>
    </message>
    <message>
        <source>fewer than two answers</source>
        <translation>menos de dos respuestas</translation>
    </message>
    <message>
        <source>more than five answers (%1): a question holds at most five</source>
        <translation>más de cinco respuestas (%1): una pregunta admite como máximo cinco</translation>
    </message>
    <message>
        <source>an answer is empty</source>
        <translation>una respuesta está vacía</translation>
    </message>
    <message>
        <source>no answer is marked correct</source>
        <translation>ninguna respuesta está marcada como correcta</translation>
    </message>
    <message>
        <source>not added: the quiz is full (%1 questions)</source>
        <translation>no se ha añadido: el cuestionario está lleno (%1 preguntas)</translation>
    </message>
    <message>
        <source>the picture could not be read and is left out</source>
        <translation>no se ha podido leer la imagen y se omite</translation>
    </message>
    <message>
        <source>imported</source>
        <translation>importada</translation>
    </message>
    <message>
        <source>Could not write the picture %1; the question is added without it.</source>
        <translation>No se ha podido escribir la imagen %1; la pregunta se añade sin ella.</translation>
    </message>
    <message>
        <source>the picture %1 was not found and is left out</source>
        <translation>no se ha encontrado la imagen %1 y se omite</translation>
    </message>
    <message>
        <source>question %1: %2</source>
        <translation>pregunta %1: %2</translation>
    </message>
    <message>
        <source>question %1, &apos;%2&apos;: %3</source>
        <translation>pregunta %1, &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>%1 stores no pictures: 1 question loses its picture</source>
        <translation>%1 no guarda imágenes: 1 pregunta pierde su imagen</translation>
    </message>
    <message>
        <source>%1 stores no pictures: %2 questions lose them</source>
        <translation>%1 no guarda imágenes: %2 preguntas pierden su imagen</translation>
    </message>
    <message>
        <source>%1 stores no points or time limits: 1 question loses them</source>
        <translation>%1 no guarda puntos ni límites de tiempo: 1 pregunta los pierde</translation>
    </message>
    <message>
        <source>%1 stores no points or time limits: %2 questions lose them</source>
        <translation>%1 no guarda puntos ni límites de tiempo: %2 preguntas los pierden</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text (line %1). Save it as UTF-8 and import it again.</source>
        <translation>El archivo no es texto UTF-8 (línea %1). Guárdelo como UTF-8 y vuelva a importarlo.</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Unknown format %1.</source>
        <translation>Formato desconocido: %1.</translation>
    </message>
    <message>
        <source>Writing %1 files is not available in this version.</source>
        <translation>La escritura de archivos %1 no está disponible en esta versión.</translation>
    </message>
    <message>
        <source>The quiz has no questions to export.</source>
        <translation>El cuestionario no tiene preguntas que exportar.</translation>
    </message>
    <message>
        <source>%1 holds none of the quiz&apos;s questions; %2 was not written.</source>
        <translation>%1 no admite ninguna de las preguntas del cuestionario; no se ha escrito %2.</translation>
    </message>
    <message>
        <source>%1 already exists; an export never replaces a file.</source>
        <translation>%1 ya existe; una exportación nunca sustituye un archivo.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>No se ha podido crear %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (1 question).</source>
        <translation>Se ha escrito %1 (1 pregunta).</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 questions).</source>
        <translation>Se ha escrito %1 (%2 preguntas).</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>No file command was given.</source>
        <translation>No se ha indicado ninguna orden de archivo.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Contraseña: </translation>
    </message>
    <message>
        <source>This command needs the quiz&apos;s password: set %1 or run it on a terminal.</source>
        <translation>Esta orden necesita la contraseña del cuestionario: defina %1 o ejecútela en una terminal.</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>¡Contraseña no válida!</translation>
    </message>
    <message>
        <source>Password for the new quiz: </source>
        <translation>Contraseña del cuestionario nuevo: </translation>
    </message>
    <message>
        <source>A new quiz needs a password: set %1 or run this on a terminal.</source>
        <translation>Un cuestionario nuevo necesita una contraseña: defina %1 o ejecute esta orden en una terminal.</translation>
    </message>
    <message>
        <source>Confirm the password: </source>
        <translation>Confirme la contraseña: </translation>
    </message>
    <message>
        <source>Passwords don&apos;t match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Password cannot be blank!</source>
        <translation>¡La contraseña no puede estar vacía!</translation>
    </message>
    <message>
        <source>The new password contains characters that a quiz file cannot store:
%1
Please choose another password.</source>
        <translation>La contraseña nueva contiene caracteres que un archivo de cuestionario no puede guardar:
%1
Elija otra contraseña.</translation>
    </message>
</context>
<context>
    <name>FlashCardDialog</name>
    <message>
        <source>Flash Card</source>
        <translation>Tarjeta didáctica</translation>
    </message>
    <message>
        <source>&amp;Enter your answer here:</source>
        <translation>&amp;Escriba aquí su respuesta:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Show me the answer!</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 30 characters.</extracomment>
        <translation>¡&amp;Muéstreme la respuesta!</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Correcto</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Incorrecto</translation>
    </message>
    <message>
        <source>&amp;Abort quiz</source>
        <extracomment>A fixed-width button on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>&amp;Abandonar</translation>
    </message>
    <message>
        <source>End Preview</source>
        <extracomment>Fixed-width buttons on the flash-card screen: keep to about 12 characters.</extracomment>
        <translation>Terminar</translation>
    </message>
</context>
<context>
    <name>FlashCardEditorDialog</name>
    <message>
        <source>Edit Flash Card</source>
        <translation>Editar tarjeta didáctica</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Pregunta</translation>
    </message>
    <message>
        <source>&amp;Use custom font</source>
        <translation>&amp;Usar fuente personalizada</translation>
    </message>
    <message>
        <source>&amp;Change custom font...</source>
        <translation>&amp;Cambiar fuente personalizada...</translation>
    </message>
    <message>
        <source>&amp;Image File:</source>
        <translation>&amp;Archivo de imagen:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>&amp;Respuesta</translation>
    </message>
    <message>
        <source>&amp;Scoring and Timing</source>
        <translation>Puntuación y &amp;tiempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>puntos</translation>
    </message>
    <message>
        <source>Time limit</source>
        <translation>Límite de tiempo</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Reducir la puntuación en</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>puntos cada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Editing Flash Card %1</source>
        <translation>Editar tarjeta didáctica %1</translation>
    </message>
    <message>
        <source>Adding Flash Card %1</source>
        <translation>Añadir tarjeta didáctica %1</translation>
    </message>
    <message>
        <source>Add Flash Card</source>
        <translation>Añadir tarjeta didáctica</translation>
    </message>
    <message>
        <source>Quit without adding this flash card?</source>
        <translation>¿Salir sin añadir esta tarjeta didáctica?</translation>
    </message>
    <message>
        <source>The question text contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>El texto de la pregunta contiene caracteres que un archivo de cuestionario no puede guardar:
%1
Sustitúyalos o elimínelos.</translation>
    </message>
    <message>
        <source>The answer contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>La respuesta contiene caracteres que un archivo de cuestionario no puede guardar:
%1
Sustitúyalos o elimínelos.</translation>
    </message>
    <message>
        <source>Flash cards must have question text or an image file.</source>
        <translation>Una tarjeta didáctica necesita un texto de la pregunta o un archivo de imagen.</translation>
    </message>
</context>
<context>
    <name>FormReader</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Introduzca un número entero positivo.</translation>
    </message>
</context>
<context>
    <name>FormText</name>
    <message>
        <source>%1 is too large: a quiz file holds numbers up to %2.</source>
        <translation>%1 es demasiado grande: un archivo de cuestionario admite números de hasta %2.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Brainloft Help</source>
        <translation>Ayuda de Brainloft</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>%1 already exists; an import never replaces a file. Name a new file with --output.</source>
        <translation>%1 ya existe; una importación nunca sustituye un archivo. Indique un archivo nuevo con --output.</translation>
    </message>
    <message>
        <source>Unknown format %1.</source>
        <translation>Formato desconocido: %1.</translation>
    </message>
    <message>
        <source>Could not read %1 as %2: %3</source>
        <translation>No se ha podido leer %1 como %2: %3</translation>
    </message>
    <message>
        <source>No questions were imported; %1 was not written.</source>
        <translation>No se ha importado ninguna pregunta; no se ha escrito %1.</translation>
    </message>
    <message>
        <source>Could not create %1: %2</source>
        <translation>No se ha podido crear %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (1 question).</source>
        <translation>Se ha escrito %1 (1 pregunta).</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 questions).</source>
        <translation>Se ha escrito %1 (%2 preguntas).</translation>
    </message>
</context>
<context>
    <name>ImportSummaryDialog</name>
    <message>
        <source>Import Questions</source>
        <translation>Importar preguntas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Nothing in %1 can be added to this quiz:</source>
        <translation>No se puede añadir nada de %1 a este cuestionario:</translation>
    </message>
    <message>
        <source>1 flash card of %1 can be added:</source>
        <translation>Se puede añadir 1 tarjeta didáctica de %1:</translation>
    </message>
    <message>
        <source>%1 flash cards of %2 can be added:</source>
        <translation>Se pueden añadir %1 tarjetas didácticas de %2:</translation>
    </message>
    <message>
        <source>1 question of %1 can be added:</source>
        <translation>Se puede añadir 1 pregunta de %1:</translation>
    </message>
    <message>
        <source>%1 questions of %2 can be added:</source>
        <translation>Se pueden añadir %1 preguntas de %2:</translation>
    </message>
    <message>
        <source>&amp;Add 1 question</source>
        <translation>&amp;Añadir 1 pregunta</translation>
    </message>
    <message>
        <source>&amp;Add %1 questions</source>
        <translation>&amp;Añadir %1 preguntas</translation>
    </message>
</context>
<context>
    <name>LogCommands</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Log file has been deleted by some other program!</source>
        <translation>¡Otro programa ha borrado el archivo de registro!</translation>
    </message>
    <message>
        <source>Save Quiz Log As:</source>
        <translation>Guardar el registro del cuestionario como:</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|Log files (*.log)|*.log|All Files (*.*)|*.*||</source>
        <extracomment>A file dialog filter: names shown, each followed by |*.ext| as it is.</extracomment>
        <translation>Archivos de texto (*.txt)|*.txt|Archivos de registro (*.log)|*.log|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Cannot export log file to itself!</source>
        <translation>¡No se puede exportar el registro sobre sí mismo!</translation>
    </message>
    <message>
        <source>This will delete the log file permanently.
Are you sure you want to do this?</source>
        <translation>Se borrará el archivo de registro de forma permanente.
¿Seguro que desea hacerlo?</translation>
    </message>
    <message>
        <source>Could not delete %1
File is either marked as Read-Only
or is in use by another program</source>
        <translation>No se ha podido borrar %1
El archivo es de solo lectura
o lo está usando otro programa</translation>
    </message>
    <message>
        <source>Could not open %1 for input.</source>
        <translation>No se ha podido abrir %1 para leerlo.</translation>
    </message>
    <message>
        <source>Could not replace output file %1</source>
        <translation>No se ha podido sustituir el archivo de salida %1</translation>
    </message>
    <message>
        <source>Input file %1
is either damaged or not a Brainloft Log</source>
        <translation>El archivo de entrada %1
está dañado o no es un registro de Brainloft</translation>
    </message>
    <message>
        <source>Error writing to %1</source>
        <translation>Error al escribir en %1</translation>
    </message>
</context>
<context>
    <name>LogCommentDialog</name>
    <message>
        <source>Log Score</source>
        <translation>Registrar la puntuación</translation>
    </message>
    <message>
        <source>Enter a comment (name, student number, etc.) to identify your log entry:</source>
        <translation>Escriba un comentario (nombre, número de estudiante, etc.) que identifique su entrada en el registro:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Don&apos;t log my score!</source>
        <translation>¡No registrar mi puntuación!</translation>
    </message>
    <message>
        <source>The log cannot store these characters: %1
Please leave them out of your comment.</source>
        <translation>El registro no puede guardar estos caracteres: %1
No los incluya en su comentario.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Create a new quiz</source>
        <translation>&amp;Crear un cuestionario nuevo</translation>
    </message>
    <message>
        <source>&amp;Load an existing quiz</source>
        <translation>&amp;Abrir un cuestionario existente</translation>
    </message>
    <message>
        <source>&amp;Take the current quiz</source>
        <translation>&amp;Realizar el cuestionario actual</translation>
    </message>
    <message>
        <source>&amp;Edit the current quiz</source>
        <translation>&amp;Editar el cuestionario actual</translation>
    </message>
    <message>
        <source>&amp;About Brainloft</source>
        <translation>Acerca de &amp;Brainloft</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ayu&amp;da</translation>
    </message>
    <message>
        <source>Brainloft - &lt;New Quiz&gt;</source>
        <translation>Brainloft - &lt;Cuestionario nuevo&gt;</translation>
    </message>
    <message>
        <source>Brainloft - %1</source>
        <translation>Brainloft - %1</translation>
    </message>
    <message>
        <source>Brainloft Files (*.blz)|*.blz||</source>
        <extracomment>A file dialog filter: the name shown, then |*.blz|| as it is.</extracomment>
        <translation>Archivos de Brainloft (*.blz)|*.blz||</translation>
    </message>
    <message>
        <source>Access Denied!</source>
        <translation>¡Acceso denegado!</translation>
    </message>
</context>
<context>
    <name>MergedLog</name>
    <message>
        <source>%1 is one of the logs shown; a merged log goes into a new file.</source>
        <translation>%1 es uno de los registros mostrados; un registro combinado se guarda en un archivo nuevo.</translation>
    </message>
    <message>
        <source>The merged log could not be written.</source>
        <translation>No se ha podido escribir el registro combinado.</translation>
    </message>
    <message>
        <source>The merged log could not be saved as %1.</source>
        <translation>No se ha podido guardar el registro combinado como %1.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Select the password that will be required to edit this quiz or access any logged scores:</source>
        <translation>Elija la contraseña que se pedirá para editar este cuestionario o consultar las puntuaciones registradas:</translation>
    </message>
    <message>
        <source>Enter &amp;old password:</source>
        <translation>Introduzca la contraseña &amp;anterior:</translation>
    </message>
    <message>
        <source>Enter &amp;new password:</source>
        <translation>Introduzca la contraseña &amp;nueva:</translation>
    </message>
    <message>
        <source>&amp;Confirm new password:</source>
        <translation>&amp;Confirme la contraseña nueva:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Enter password:</source>
        <translation>&amp;Introduzca la contraseña:</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <source>Choose Password</source>
        <translation>Elegir contraseña</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Invalid password!</source>
        <translation>¡Contraseña no válida!</translation>
    </message>
    <message>
        <source>Password cannot be blank!</source>
        <translation>¡La contraseña no puede estar vacía!</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>The new password contains characters that a quiz file cannot store:
%1
Please choose another password.</source>
        <translation>La contraseña nueva contiene caracteres que un archivo de cuestionario no puede guardar:
%1
Elija otra contraseña.</translation>
    </message>
</context>
<context>
    <name>PrintPdfCommand</name>
    <message>
        <source>The quiz has no questions to print.</source>
        <translation>El cuestionario no tiene preguntas que imprimir.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 pages).</source>
        <translation>Se ha escrito %1 (%2 páginas).</translation>
    </message>
</context>
<context>
    <name>PrintQuizDialog</name>
    <message>
        <source>Print Quiz</source>
        <translation>Imprimir cuestionario</translation>
    </message>
    <message>
        <source>What to print</source>
        <translation>Qué imprimir</translation>
    </message>
    <message>
        <source>&amp;Exam paper</source>
        <translation>&amp;Hoja de examen</translation>
    </message>
    <message>
        <source>&amp;Answer key</source>
        <translation>&amp;Clave de respuestas</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versiones:</translation>
    </message>
    <message>
        <source>This quiz keeps its questions and answers in their order, so all versions are alike. Switch on random order in the quiz parameters to vary them.</source>
        <translation>Este cuestionario mantiene sus preguntas y respuestas en su orden, así que todas las versiones son iguales. Active el orden aleatorio en los parámetros del cuestionario para variarlas.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ayu&amp;da</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Vista p&amp;revia...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Guardar como PDF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Flash-card sheets</source>
        <translation>&amp;Hojas de tarjetas</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>These pictures could not be printed; a note stands in their place:
%1</source>
        <translation>No se han podido imprimir estas imágenes; en su lugar aparece una nota:
%1</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>The quiz could not be printed:
%1</source>
        <translation>No se ha podido imprimir el cuestionario:
%1</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora ha informado de un error.</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>la impresora</translation>
    </message>
    <message>
        <source>The quiz could not be printed on %1:
%2</source>
        <translation>No se ha podido imprimir el cuestionario en %1:
%2</translation>
    </message>
    <message>
        <source>-key</source>
        <translation>-clave</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*||</source>
        <translation>Archivos PDF (*.pdf)|*.pdf|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Could not write
%1
%2</source>
        <translation>No se ha podido escribir
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
La carpeta no existe.
Compruebe el nombre de la carpeta y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>Choose answer(s):</source>
        <translation>Elija la(s) respuesta(s):</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Submit answer(s)</source>
        <extracomment>A fixed-width button on the question screen: keep to about 34 characters.
----------
Fixed-width buttons on the question screen: keep to about 34 characters.</extracomment>
        <translation>E&amp;nviar respuesta(s)</translation>
    </message>
    <message>
        <source>&amp;Quit (abort this quiz)</source>
        <extracomment>A fixed-width button on the question screen: keep to about 34 characters.</extracomment>
        <translation>&amp;Salir (abandonar el cuestionario)</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>End Preview</source>
        <translation>Terminar vista previa</translation>
    </message>
    <message>
        <source>Memory allocation error</source>
        <translation>Error de asignación de memoria</translation>
    </message>
    <message>
        <source>You must choose at least one answer!</source>
        <translation>¡Debe elegir al menos una respuesta!</translation>
    </message>
    <message>
        <source>Your answer was incorrect.
Click OK to see the correct answer.</source>
        <translation>Su respuesta es incorrecta.
Pulse Aceptar para ver la respuesta correcta.</translation>
    </message>
    <message>
        <source>&amp;Next question</source>
        <extracomment>Fixed-width button on the question screen: keep to about 34 characters.</extracomment>
        <translation>Pregunta sig&amp;uiente</translation>
    </message>
    <message>
        <source>Time expired!</source>
        <extracomment>A fixed-width status line: keep to about 37 characters.</extracomment>
        <translation>¡Se ha agotado el tiempo!</translation>
    </message>
    <message>
        <source>Incorrect!</source>
        <translation>¡Incorrecto!</translation>
    </message>
    <message>
        <source>Correct answer shown above.</source>
        <extracomment>A fixed-width status line: keep to about 37 characters.</extracomment>
        <translation>La respuesta correcta está arriba.</translation>
    </message>
</context>
<context>
    <name>QuestionEditorBase</name>
    <message>
        <source>CQuestion allocation failed</source>
        <translation>Error al asignar memoria para la pregunta</translation>
    </message>
    <message>
        <source>QEdit error</source>
        <translation>Error del editor de preguntas</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Windows Bitmaps (*.bmp)|*.bmp||</source>
        <extracomment>A file dialog filter: the name shown, then |*.bmp|| as it is.</extracomment>
        <translation>Mapas de bits de Windows (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>The image file path contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>La ruta del archivo de imagen contiene caracteres que un archivo de cuestionario no puede guardar:
%1
Sustitúyalos o elimínelos.</translation>
    </message>
    <message>
        <source>Bitmap file does not exist, either in
the specified directory or the current working directory.</source>
        <translation>El archivo de mapa de bits no existe ni en
la carpeta indicada ni en la carpeta de trabajo actual.</translation>
    </message>
    <message>
        <source>%1 is not a valid Windows bitmap.</source>
        <translation>%1 no es un mapa de bits de Windows válido.</translation>
    </message>
</context>
<context>
    <name>QuestionEditorDialog</name>
    <message>
        <source>Edit Question</source>
        <translation>Editar pregunta</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Pregunta</translation>
    </message>
    <message>
        <source>&amp;Use custom font</source>
        <translation>&amp;Usar fuente personalizada</translation>
    </message>
    <message>
        <source>Change custom &amp;font...</source>
        <translation>Cambiar &amp;fuente personalizada...</translation>
    </message>
    <message>
        <source>&amp;Image File:</source>
        <translation>Archivo de &amp;imagen:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>&amp;A:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Beside an answer: ticked when this answer is a correct one.</extracomment>
        <translation>Correcta</translation>
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
        <translation>Permitir &amp;varias respuestas correctas</translation>
    </message>
    <message>
        <source>&amp;Scoring and Timing</source>
        <translation>Puntuación y &amp;tiempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>puntos</translation>
    </message>
    <message>
        <source>&amp;Time Limit</source>
        <translation>&amp;Límite de tiempo</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>&amp;Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>&amp;Reducir la puntuación en</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>puntos cada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>Vi&amp;sta previa...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Editing Question %1</source>
        <translation>Editar pregunta %1</translation>
    </message>
    <message>
        <source>Adding Question %1</source>
        <translation>Añadir pregunta %1</translation>
    </message>
    <message>
        <source>Add Question</source>
        <translation>Añadir pregunta</translation>
    </message>
    <message>
        <source>Quit without adding this question?</source>
        <translation>¿Salir sin añadir esta pregunta?</translation>
    </message>
    <message>
        <source>The question text contains characters that a quiz file cannot store:
%1
Please replace or remove them.</source>
        <translation>El texto de la pregunta contiene caracteres que un archivo de cuestionario no puede guardar:
%1
Sustitúyalos o elimínelos.</translation>
    </message>
    <message>
        <source>The answer %1 contains characters that a quiz file cannot store:
%2
Please replace or remove them.</source>
        <extracomment>%1 is the answer&apos;s letter (A to E), %2 the characters.</extracomment>
        <translation>La respuesta %1 contiene caracteres que un archivo de cuestionario no puede guardar:
%2
Sustitúyalos o elimínelos.</translation>
    </message>
    <message>
        <source>You must provide either question text,
an image file, or both.</source>
        <translation>Debe indicar un texto de la pregunta,
un archivo de imagen o ambos.</translation>
    </message>
    <message>
        <source>You answers have been compacted to remove gaps.
Please verify the results.</source>
        <translation>Se han juntado sus respuestas para eliminar los huecos.
Compruebe el resultado.</translation>
    </message>
    <message>
        <source>You must specify at least one correct answer.</source>
        <translation>Debe indicar al menos una respuesta correcta.</translation>
    </message>
    <message>
        <source>You must provide at least two answers.</source>
        <translation>Debe escribir al menos dos respuestas.</translation>
    </message>
    <message>
        <source>Correct answer(s) cannot be blank.</source>
        <translation>Una respuesta correcta no puede estar vacía.</translation>
    </message>
</context>
<context>
    <name>QuestionScreen</name>
    <message>
        <source>Error:
Could not find or open image file %1</source>
        <translation>Error:
No se ha podido encontrar o abrir el archivo de imagen %1</translation>
    </message>
</context>
<context>
    <name>QuestionsModel</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Presented</source>
        <translation>Mostrada</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Facilidad</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Discriminación</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>QuizApp</name>
    <message>
        <source>This will remove Brainloft from your system.
Are you sure?</source>
        <translation>Se quitará Brainloft del sistema.
¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Brainloft Uninstall</source>
        <translation>Desinstalar Brainloft</translation>
    </message>
</context>
<context>
    <name>QuizEditorDialog</name>
    <message>
        <source>Edit Quiz</source>
        <translation>Editar cuestionario</translation>
    </message>
    <message>
        <source>&amp;Append questions</source>
        <translation>&amp;Añadir preguntas</translation>
    </message>
    <message>
        <source>&amp;Insert questions</source>
        <translation>&amp;Insertar preguntas</translation>
    </message>
    <message>
        <source>&amp;Edit the selected question</source>
        <translation>&amp;Editar la pregunta seleccionada</translation>
    </message>
    <message>
        <source>&amp;Delete the selected question</source>
        <translation>&amp;Borrar la pregunta seleccionada</translation>
    </message>
    <message>
        <source>Move question &amp;up</source>
        <translation>&amp;Subir la pregunta</translation>
    </message>
    <message>
        <source>&amp;Move question down</source>
        <translation>Baja&amp;r la pregunta</translation>
    </message>
    <message>
        <source>&amp;Change quiz parameters...</source>
        <translation>&amp;Cambiar los parámetros del cuestionario...</translation>
    </message>
    <message>
        <source>Pri&amp;nt...</source>
        <translation>I&amp;mprimir...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ayu&amp;da</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>G&amp;uardar...</translation>
    </message>
    <message>
        <source>Sa&amp;ve As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>&amp;Append flash cards</source>
        <translation>&amp;Añadir tarjetas</translation>
    </message>
    <message>
        <source>&amp;Insert flash cards</source>
        <translation>&amp;Insertar tarjetas</translation>
    </message>
    <message>
        <source>&amp;Edit flash card</source>
        <translation>&amp;Editar la tarjeta</translation>
    </message>
    <message>
        <source>&amp;Delete flash card</source>
        <translation>&amp;Borrar la tarjeta</translation>
    </message>
    <message>
        <source>Move flash card &amp;up</source>
        <translation>&amp;Subir la tarjeta</translation>
    </message>
    <message>
        <source>&amp;Move flash card down</source>
        <translation>Baja&amp;r la tarjeta</translation>
    </message>
    <message>
        <source>&lt;NO TEXT ENTERED&gt;</source>
        <translation>&lt;SIN TEXTO&gt;</translation>
    </message>
    <message>
        <source>Editing New Quiz</source>
        <translation>Edición: Cuestionario nuevo</translation>
    </message>
    <message>
        <source>Editing %1</source>
        <translation>Edición: %1</translation>
    </message>
    <message>
        <source>This quiz is now full.</source>
        <translation>Este cuestionario está lleno.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete flash card %1?</source>
        <translation>¿Seguro que desea borrar la tarjeta %1?</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete question %1?</source>
        <translation>¿Seguro que desea borrar la pregunta %1?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmar borrado</translation>
    </message>
    <message>
        <source>Im&amp;port questions...</source>
        <translation>Im&amp;portar preguntas...</translation>
    </message>
    <message>
        <source>E&amp;xport quiz...</source>
        <translation>E&amp;xportar cuestionario...</translation>
    </message>
    <message>
        <source>&amp;%1 (.%2)...</source>
        <translation>&amp;%1 (.%2)...</translation>
    </message>
    <message>
        <source>Import Questions</source>
        <translation>Importar preguntas</translation>
    </message>
    <message>
        <source>Question files (*.gift *.txt *.xml *.csv *.tsv)|*.gift;*.txt;*.xml;*.csv;*.tsv|GIFT (*.gift *.txt)|*.gift;*.txt|Aiken (*.txt)|*.txt|Moodle XML (*.xml)|*.xml|CSV (*.csv)|*.csv|TSV, Anki notes (*.tsv *.txt)|*.tsv;*.txt|All files (*.*)|*.*||</source>
        <translation>Archivos de preguntas (*.gift *.txt *.xml *.csv *.tsv)|*.gift;*.txt;*.xml;*.csv;*.tsv|GIFT (*.gift *.txt)|*.gift;*.txt|Aiken (*.txt)|*.txt|Moodle XML (*.xml)|*.xml|CSV (*.csv)|*.csv|TSV, notas de Anki (*.tsv *.txt)|*.tsv;*.txt|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Could not read %1 as %2:
%3</source>
        <translation>No se ha podido leer %1 como %2:
%3</translation>
    </message>
    <message>
        <source>Export Quiz as %1</source>
        <translation>Exportar cuestionario como %1</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>cuestionario</translation>
    </message>
    <message>
        <source>%1 files (*.%2)|*.%2|All files (*.*)|*.*||</source>
        <translation>Archivos %1 (*.%2)|*.%2|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>%1 holds none of this quiz&apos;s questions; nothing was written.</source>
        <translation>%1 no admite ninguna de las preguntas de este cuestionario; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>Could not write
%1
%2</source>
        <translation>No se ha podido escribir
%1
%2</translation>
    </message>
    <message>
        <source>Wrote 1 question to %1.</source>
        <translation>Se ha escrito 1 pregunta en %1.</translation>
    </message>
    <message>
        <source>Wrote %1 questions to %2.</source>
        <translation>Se han escrito %1 preguntas en %2.</translation>
    </message>
</context>
<context>
    <name>QuizFiles</name>
    <message>
        <source>Could not open
%1</source>
        <translation>No se ha podido abrir
%1</translation>
    </message>
    <message>
        <source>File load failed</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>Could not create or access
%1</source>
        <translation>No se ha podido crear ni abrir
%1</translation>
    </message>
    <message>
        <source>File Save Error</source>
        <translation>Error al guardar el archivo</translation>
    </message>
    <message>
        <source>Could not write
%1
%2
The file on disk has not been changed.</source>
        <translation>No se ha podido escribir
%1
%2
El archivo del disco no se ha modificado.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Brainloft Files (*.blz)|*.blz||</source>
        <extracomment>A file dialog filter: the name shown, then |*.blz|| as it is.</extracomment>
        <translation>Archivos de Brainloft (*.blz)|*.blz||</translation>
    </message>
    <message>
        <source>Save the current quiz?</source>
        <translation>¿Guardar el cuestionario actual?</translation>
    </message>
</context>
<context>
    <name>QuizParametersDialog</name>
    <message>
        <source>Quiz Parameters</source>
        <translation>Parámetros del cuestionario</translation>
    </message>
    <message>
        <source>&amp;Quiz Type</source>
        <translation>&amp;Tipo de cuestionario</translation>
    </message>
    <message>
        <source>Multiple choice</source>
        <translation>Opción múltiple</translation>
    </message>
    <message>
        <source>Flash cards</source>
        <translation>Tarjetas didácticas</translation>
    </message>
    <message>
        <source>&amp;Logging</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>Log results</source>
        <translation>Registrar resultados</translation>
    </message>
    <message>
        <source>Export log...</source>
        <translation>Exportar registro...</translation>
    </message>
    <message>
        <source>Delete log...</source>
        <translation>Borrar registro...</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Presentación</translation>
    </message>
    <message>
        <source>Overall time limit</source>
        <translation>Límite de tiempo total</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>After the number field: Overall time limit [N] minutes.</extracomment>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Randomize questions</source>
        <translation>Orden aleatorio de las preguntas</translation>
    </message>
    <message>
        <source>Randomize answers</source>
        <translation>Orden aleatorio de las respuestas</translation>
    </message>
    <message>
        <source>Review answers</source>
        <translation>Revisar respuestas</translation>
    </message>
    <message>
        <source>Default question &amp;font</source>
        <translation>&amp;Fuente predeterminada de las preguntas</translation>
    </message>
    <message>
        <source>Use custom font</source>
        <translation>Usar fuente personalizada</translation>
    </message>
    <message>
        <source>Change custom font...</source>
        <translation>Cambiar fuente personalizada...</translation>
    </message>
    <message>
        <source>Apply to all existing questions</source>
        <translation>Aplicar a todas las preguntas existentes</translation>
    </message>
    <message>
        <source>Default &amp;Scoring and Timing</source>
        <translation>P&amp;untuación y tiempo predeterminados</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>points</source>
        <extracomment>After the score field: [N] points.</extracomment>
        <translation>puntos</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Límite de tiempo</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>After a number field: [N] seconds.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Reduce score by</source>
        <extracomment>Read as one sentence with the fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>Reducir la puntuación en</translation>
    </message>
    <message>
        <source>points every</source>
        <extracomment>Between two number fields: Reduce score by [N] points every [N] seconds.</extracomment>
        <translation>puntos cada</translation>
    </message>
    <message>
        <source>Apply to all existing questions...</source>
        <translation>Aplicar a todas las preguntas existentes...</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Cambiar contraseña...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ayu&amp;da</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Time Limit cannot be less than one minute</source>
        <translation>El límite de tiempo no puede ser inferior a un minuto.</translation>
    </message>
    <message>
        <source>Time limit cannot exceed 300 minutes.</source>
        <translation>El límite de tiempo no puede superar los 300 minutos.</translation>
    </message>
    <message>
        <source>Default time limit cannot be less than one second</source>
        <translation>El límite de tiempo predeterminado no puede ser inferior a un segundo.</translation>
    </message>
    <message>
        <source>Default time limit cannot exceed 300 seconds.</source>
        <translation>El límite de tiempo predeterminado no puede superar los 300 segundos.</translation>
    </message>
    <message>
        <source>Default score must be at least 1 point.</source>
        <translation>La puntuación predeterminada debe ser de al menos 1 punto.</translation>
    </message>
    <message>
        <source>Default score cannot exceed 50 points.</source>
        <translation>La puntuación predeterminada no puede superar los 50 puntos.</translation>
    </message>
    <message>
        <source>&amp;View results...</source>
        <translation>&amp;Ver resultados...</translation>
    </message>
</context>
<context>
    <name>QuizPrint</name>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Time limit: 1 second</source>
        <translation>Límite de tiempo: 1 segundo</translation>
    </message>
    <message>
        <source>Time limit: %1 seconds</source>
        <translation>Límite de tiempo: %1 segundos</translation>
    </message>
    <message>
        <source>Picture not found: %1</source>
        <translation>Imagen no encontrada: %1</translation>
    </message>
    <message>
        <source>Picture cannot be read: %1</source>
        <translation>No se puede leer la imagen: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source> — Version %1</source>
        <translation> — Versión %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>1 question</source>
        <translation>1 pregunta</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 preguntas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Time allowed: 1 minute</source>
        <translation>Tiempo disponible: 1 minuto</translation>
    </message>
    <message>
        <source>Time allowed: %1 minutes</source>
        <translation>Tiempo disponible: %1 minutos</translation>
    </message>
    <message>
        <source>Several answers may be correct</source>
        <translation>Puede haber varias respuestas correctas</translation>
    </message>
    <message>
        <source>card backs</source>
        <translation>reversos</translation>
    </message>
    <message>
        <source>card fronts</source>
        <translation>anversos</translation>
    </message>
    <message>
        <source>Answer key — Version %1</source>
        <translation>Clave de respuestas — Versión %1</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Clave de respuestas</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>[picture: %1]</source>
        <translation>[imagen: %1]</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>There is nothing to print: choose the exam paper, the answer key, or both.</source>
        <translation>No hay nada que imprimir: elija la hoja de examen, la clave de respuestas o ambas.</translation>
    </message>
    <message>
        <source>The printer or file could not be opened for printing.</source>
        <translation>No se ha podido abrir la impresora o el archivo para imprimir.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>La impresora se ha detenido antes de la última página.</translation>
    </message>
    <message>
        <source>%1 belongs to the quiz itself; please choose another file for the PDF.</source>
        <translation>%1 pertenece al propio cuestionario; elija otro archivo para el PDF.</translation>
    </message>
    <message>
        <source>New Quiz</source>
        <translation>Cuestionario nuevo</translation>
    </message>
</context>
<context>
    <name>QuizRunner</name>
    <message>
        <source>Memory allocation error</source>
        <translation>Error de asignación de memoria</translation>
    </message>
    <message>
        <source>SetTimer() API call failed.</source>
        <translation>Ha fallado la llamada a SetTimer().</translation>
    </message>
    <message>
        <source>This quiz has changed since the attempt was interrupted. It starts again from the beginning.</source>
        <translation>Este cuestionario ha cambiado desde que se interrumpió el intento. Se vuelve a empezar desde el principio.</translation>
    </message>
    <message>
        <source>An attempt at this quiz was interrupted at question %1 of %2.
Do you want to resume it?</source>
        <translation>Un intento de este cuestionario se interrumpió en la pregunta %1 de %2.
¿Desea reanudarlo?</translation>
    </message>
    <message>
        <source>You answered no questions at all.</source>
        <translation>No ha respondido ninguna pregunta.</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Tiempo agotado</translation>
    </message>
    <message>
        <source>Time Expired!</source>
        <translation>¡Tiempo agotado!</translation>
    </message>
</context>
<context>
    <name>QuizScreenDialog</name>
    <message>
        <source>Are you sure you want to abort this quiz?</source>
        <translation>¿Seguro que desea abandonar este cuestionario?</translation>
    </message>
</context>
<context>
    <name>QuizTexts</name>
    <message>
        <source>Time left for this quiz: %1:%2:%3</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Tiempo restante total: %1:%2:%3</translation>
    </message>
    <message>
        <source>Time left for this quiz: %1:%2</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Tiempo restante total: %1:%2</translation>
    </message>
    <message>
        <source>This question is worth 1 point.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Esta pregunta vale 1 punto.</translation>
    </message>
    <message>
        <source>This question is worth %1 points.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Esta pregunta vale %1 puntos.</translation>
    </message>
    <message>
        <source>Score so far: none.</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Puntuación: ninguna todavía.</translation>
    </message>
    <message>
        <source>Score so far: %1 of %2 points (%3%)</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 37 characters.</extracomment>
        <translation>Puntuación: %1 de %2 puntos (%3%)</translation>
    </message>
    <message>
        <source>Time left for this question: %1 seconds</source>
        <extracomment>A fixed-width status line of the quiz screens: keep to about 34 characters.</extracomment>
        <translation>Tiempo restante: %1 segundos</translation>
    </message>
    <message>
        <source>Time limit for this quiz has expired.</source>
        <translation>Se ha agotado el tiempo del cuestionario.</translation>
    </message>
    <message>
        <source>Time limit for this question has expired.</source>
        <translation>Se ha agotado el tiempo de esta pregunta.</translation>
    </message>
    <message>
        <source>For the %1 question(s) you answered, you scored %2 of %3 points (%4%).
For the entire quiz, you scored %5 of %6 points (%7%).</source>
        <translation>En la(s) %1 pregunta(s) que respondió, obtuvo %2 de %3 puntos (%4%).
En el cuestionario completo, obtuvo %5 de %6 puntos (%7%).</translation>
    </message>
    <message>
        <source>Final score: %1 of %2 points (%3%)</source>
        <translation>Puntuación final: %1 de %2 puntos (%3%)</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>Do you wish to associate the .BLZ extension with Brainloft?</source>
        <translation>¿Desea asociar la extensión .BLZ con Brainloft?</translation>
    </message>
</context>
<context>
    <name>ResultsCommand</name>
    <message>
        <source>No results log could be read.</source>
        <translation>No se ha podido leer ningún registro de resultados.</translation>
    </message>
    <message>
        <source>Read %1 entries (%2 complete, %3 incomplete).</source>
        <translation>Se han leído %1 entradas (%2 completas, %3 incompletas).</translation>
    </message>
    <message>
        <source>%1 entries are of another version of the quiz (another number of questions) and are left out of the figures.</source>
        <translation>%1 entradas son de otra versión del cuestionario (con otro número de preguntas) y no se incluyen en las cifras.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>Se ha escrito %1.</translation>
    </message>
    <message>
        <source>Wrote %1 (%2 pages).</source>
        <translation>Se ha escrito %1 (%2 páginas).</translation>
    </message>
</context>
<context>
    <name>ResultsCsv</name>
    <message>
        <source>%1 is the quiz or one of its logs; please choose another file.</source>
        <translation>%1 es el cuestionario o uno de sus registros; elija otro archivo.</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Registros: %1</translation>
    </message>
    <message>
        <source>Takers by percentage (bins of ten points)</source>
        <translation>Participantes por porcentaje (intervalos de diez puntos)</translation>
    </message>
    <message>
        <source>Facility by question (%)</source>
        <translation>Facilidad por pregunta (%)</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Mostrada</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Facilidad</translation>
    </message>
    <message>
        <source>Discr.</source>
        <translation>Discr.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>The printer or file could not be opened for printing.</source>
        <translation>No se ha podido abrir la impresora o el archivo para imprimir.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>La impresora se ha detenido antes de la última página.</translation>
    </message>
    <message>
        <source>%1 is the quiz or one of its logs; please choose another file.</source>
        <translation>%1 es el cuestionario o uno de sus registros; elija otro archivo.</translation>
    </message>
    <message>
        <source>Results - %1</source>
        <translation>Resultados - %1</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>%1: read %2 entries; the log is damaged after entry %3</source>
        <translation>%1: se han leído %2 entradas; el registro está dañado a partir de la entrada %3</translation>
    </message>
    <message>
        <source>%1: there is no such log.</source>
        <translation>%1: no existe ese registro.</translation>
    </message>
    <message>
        <source>%1 cannot be read; check that you may open it.</source>
        <translation>No se puede leer %1; compruebe que tiene permiso para abrirlo.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a results log.</source>
        <translation>%1 es una carpeta, no un registro de resultados.</translation>
    </message>
    <message>
        <source>%1 is not a file; a results log is an ordinary file.</source>
        <translation>%1 no es un archivo; un registro de resultados es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is being written by another program; please try again in a moment.</source>
        <translation>Otro programa está escribiendo en %1; vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>consistent</source>
        <translation>consistente</translation>
    </message>
    <message>
        <source>acceptable</source>
        <translation>aceptable</translation>
    </message>
    <message>
        <source>unreliable</source>
        <translation>poco fiable</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>fácil</translation>
    </message>
    <message>
        <source>check the key</source>
        <translation>revise la clave</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>débil</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>completa</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>incompleta</translation>
    </message>
    <message>
        <source>other quiz</source>
        <translation>otro cuestionario</translation>
    </message>
    <message>
        <source>%1 complete, %2 incomplete</source>
        <translation>%1 completas, %2 incompletas</translation>
    </message>
    <message>
        <source>, %1 of another version of the quiz (left out)</source>
        <translation>, %1 de otra versión del cuestionario (no incluidas)</translation>
    </message>
    <message>
        <source>Entries read</source>
        <translation>Entradas leídas</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>the class&apos;s average percentage</source>
        <translation>el porcentaje medio de la clase</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>half the class scored at least this</source>
        <translation>la mitad de la clase obtuvo al menos esto</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Desviación estándar</translation>
    </message>
    <message>
        <source>how far percentages typically lie from the mean</source>
        <translation>cuánto se alejan normalmente los porcentajes de la media</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>the lowest percentage</source>
        <translation>el porcentaje mínimo</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>the highest percentage</source>
        <translation>el porcentaje máximo</translation>
    </message>
    <message>
        <source>needs three complete entries that differ</source>
        <translation>requiere tres entradas completas distintas</translation>
    </message>
    <message>
        <source>%1 (0.75 and more is consistent)</source>
        <translation>%1 (a partir de 0,75 es consistente)</translation>
    </message>
    <message>
        <source>Cronbach&apos;s alpha</source>
        <translation>Alfa de Cronbach</translation>
    </message>
    <message>
        <source>Standard error</source>
        <translation>Error estándar</translation>
    </message>
    <message>
        <source>a percentage is uncertain by about this much</source>
        <translation>margen de incertidumbre aproximado de un porcentaje</translation>
    </message>
    <message>
        <source>needs alpha</source>
        <translation>requiere el alfa</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>&amp;Add log...</source>
        <translation>&amp;Añadir registro...</translation>
    </message>
    <message>
        <source>Save &amp;merged log as...</source>
        <translation>Guardar registro co&amp;mbinado como...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Save report as &amp;PDF...</source>
        <translation>Guardar informe como &amp;PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ayu&amp;da</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Resumen</translation>
    </message>
    <message>
        <source>Sea&amp;rch comments:</source>
        <translation>&amp;Buscar en los comentarios:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Elegida</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Obtenidos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>&amp;Takers</source>
        <translation>Par&amp;ticipantes</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Chosen by</source>
        <translation>Elegida por</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>Pre&amp;guntas</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>%1 entries are of another version of the quiz (another number of questions) and are left out of the figures.</source>
        <translation>%1 entradas son de otra versión del cuestionario (con otro número de preguntas) y no se incluyen en las cifras.</translation>
    </message>
    <message>
        <source>No log read yet.</source>
        <translation>Todavía no se ha leído ningún registro.</translation>
    </message>
    <message>
        <source>Logs: %1</source>
        <translation>Registros: %1</translation>
    </message>
    <message>
        <source>Takers by percentage (bins of ten points)</source>
        <translation>Participantes por porcentaje (intervalos de diez puntos)</translation>
    </message>
    <message>
        <source>Takers</source>
        <translation>Participantes</translation>
    </message>
    <message>
        <source>Facility by question (%)</source>
        <translation>Facilidad por pregunta (%)</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Facilidad</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>no mostrada</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Choose a question to see how its answers were chosen.</source>
        <translation>Elija una pregunta para ver cómo se eligieron sus respuestas.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source> (key)</source>
        <translation> (clave)</translation>
    </message>
    <message>
        <source>no answer submitted</source>
        <translation>ninguna respuesta enviada</translation>
    </message>
    <message>
        <source>Add log</source>
        <translation>Añadir registro</translation>
    </message>
    <message>
        <source>Results logs (*.blg)|*.blg|All files (*)|*||</source>
        <translation>Registros de resultados (*.blg)|*.blg|Todos los archivos (*)|*||</translation>
    </message>
    <message>
        <source>Save merged log as</source>
        <translation>Guardar registro combinado como</translation>
    </message>
    <message>
        <source>Results logs (*.blg)|*.blg||</source>
        <translation>Registros de resultados (*.blg)|*.blg||</translation>
    </message>
    <message>
        <source>Wrote %1 entries to %2.</source>
        <translation>Se han escrito %1 entradas en %2.</translation>
    </message>
    <message>
        <source>%1 incomplete entries were left out: a log holds whole entries only.</source>
        <translation>Se han omitido %1 entradas incompletas: un registro solo contiene entradas completas.</translation>
    </message>
    <message>
        <source>Export CSV: the takers&apos; file; the items and summary go beside it</source>
        <translation>Exportar CSV: el archivo de los participantes; los de las preguntas y del resumen se guardan junto a él</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv||</source>
        <translation>Archivos CSV (*.csv)|*.csv||</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>Se han escrito %1.</translation>
    </message>
    <message>
        <source>Save report as PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf||</source>
        <translation>Archivos PDF (*.pdf)|*.pdf||</translation>
    </message>
</context>
<context>
    <name>TakersModel</name>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Presented</source>
        <translation>Mostradas</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Obtenidos</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Posibles</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>All questions %</source>
        <translation>Todas las preguntas (%)</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Brainloft&apos;s data has been removed from the Registry.
Component files will be removed the next time you start the system.</source>
        <translation>Se han quitado los datos de Brainloft del Registro.
Los archivos de los componentes se quitarán la próxima vez que inicie el sistema.</translation>
    </message>
    <message>
        <source>Brainloft Uninstall</source>
        <translation>Desinstalar Brainloft</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe &apos;%1 --help&apos;.</translation>
    </message>
</context>
</TS>
