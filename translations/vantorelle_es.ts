<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BiasStart</name>
    <message>
        <source>Set Parameters For Randomly Choosing Initial Thresholds Or Biases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use The Controls Below To Control The Range Of Numbers From Which Thresholds Or Biases Will Be Randomly Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set The Maximum (Absolute) Value Of A Random Starting Threshold Or Bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set The Minimum (Absolute) Value Of A Random Starting Threshold Or Bias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold/Bias Sign Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive And Negative Biases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Positive Biases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Negative Biases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareRuns</name>
    <message>
        <source>Compare Kept Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Runs kept this sitting: tick two or more to compare them; double-click a name to rename it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs kept this sitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As Network File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen runs compared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfusionTables</name>
    <message>
        <source>Confusion Tables And Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each output unit&apos;s hits and misses and, when every pattern wants exactly one unit on, which class the network answered (the unit with the highest activation) against the class wanted: for the file the network trained on and for the file it was last tested on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confusion tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write these tables into the text report and the workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>Epochs: %1</source>
        <translation>Épocas: %1</translation>
    </message>
    <message>
        <source>Total SSE: %1</source>
        <translation>SSE total: %1</translation>
    </message>
    <message>
        <source>Change in SSE: %1</source>
        <translation>Cambio en SSE: %1</translation>
    </message>
    <message>
        <source>Hits: %1</source>
        <translation>Aciertos: %1</translation>
    </message>
    <message>
        <source>Misses: %1</source>
        <translation>Fallos: %1</translation>
    </message>
    <message>
        <source>Training: %1</source>
        <translation>Archivo de entrenamiento: %1</translation>
    </message>
    <message>
        <source>Maximum Epochs</source>
        <translation>Épocas máximas</translation>
    </message>
    <message>
        <source>Maximum number of training epochs must be greater than zero.</source>
        <translation>El número máximo de épocas de entrenamiento debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>No stopping method set</source>
        <translation>No hay forma de terminar elegida</translation>
    </message>
    <message>
        <source>At least one box for method of ending training must be checked.</source>
        <translation>Marca al menos una casilla para la forma de terminar el entrenamiento.</translation>
    </message>
    <message>
        <source>Learning Rate</source>
        <translation>Tasa de aprendizaje</translation>
    </message>
    <message>
        <source>Learning rate cannot be negative</source>
        <translation>La tasa de aprendizaje no puede ser negativa</translation>
    </message>
    <message>
        <source>Display Interval</source>
        <translation>Intervalo de visualización</translation>
    </message>
    <message>
        <source>The number of epochs between progress displays must be at least one.</source>
        <translation>El número de épocas entre dos visualizaciones debe ser al menos uno.</translation>
    </message>
    <message>
        <source>Type mismatch: the %1 box holds &quot;%2&quot;, which is not a number.</source>
        <translation>Error de tipo: la casilla «%1» contiene «%2», que no es un número.</translation>
    </message>
    <message>
        <source>Overflow: the number in the %1 box is too large.</source>
        <translation>Desbordamiento: el número de la casilla «%1» es demasiado grande.</translation>
    </message>
    <message>
        <source>maximum epochs</source>
        <translation>épocas máximas</translation>
    </message>
    <message>
        <source>learning rate</source>
        <translation>tasa de aprendizaje</translation>
    </message>
    <message>
        <source>epochs between displays</source>
        <translation>épocas entre visualizaciones</translation>
    </message>
    <message>
        <source>minimum error</source>
        <translation>error mínimo</translation>
    </message>
    <message>
        <source>This version of the code has encountered an error%1.</source>
        <translation>Esta versión del programa ha encontrado un error%1.</translation>
    </message>
    <message>
        <source>with excel</source>
        <translation>con Excel</translation>
    </message>
    <message>
        <source>It would be helpful if you could report this error to %1</source>
        <translation>Nos ayudarías si informas de este error a %1</translation>
    </message>
    <message>
        <source>Please include the following error message as well as</source>
        <translation>Incluye el siguiente mensaje de error y también</translation>
    </message>
    <message>
        <source>where the error occured and what version of windows you are using:</source>
        <translation>dónde ocurrió el error y qué sistema operativo usas:</translation>
    </message>
    <message>
        <source>Overflow error:</source>
        <translation>Error de desbordamiento:</translation>
    </message>
    <message>
        <source>An overflow error has occured.</source>
        <translation>Un número se ha hecho demasiado grande (desbordamiento).</translation>
    </message>
    <message>
        <source>Please consider decreasing the learning rate and trying again.</source>
        <translation>Prueba a reducir la tasa de aprendizaje y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Out of memory error:</source>
        <translation>Memoria agotada:</translation>
    </message>
    <message>
        <source>Please try closing some applications and retrying.</source>
        <translation>Cierra algunos programas y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Training stopped after epoch %1:</source>
        <translation>El entrenamiento se detuvo tras la época %1:</translation>
    </message>
    <message>
        <source>A weight, a threshold or the total error is no longer a finite number.</source>
        <translation>Un peso, un umbral o el error total ya no es un número finito.</translation>
    </message>
    <message>
        <source>The network&apos;s units and weights do not match the patterns of the training file.</source>
        <translation>Las unidades y los pesos de la red no encajan con los patrones del archivo de entrenamiento.</translation>
    </message>
    <message>
        <source>Please read the training file again from the first page.</source>
        <translation>Vuelve a leer el archivo de entrenamiento desde la primera página.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>the network&apos;s units and weights do not match its patterns</source>
        <translation>las unidades y los pesos de la red no encajan con sus patrones</translation>
    </message>
    <message>
        <source>Minimum cannot be less than 0.  (It is an absolute value.)</source>
        <translation>El mínimo no puede ser menor que 0.  (Es un valor absoluto.)</translation>
    </message>
    <message>
        <source>The minimum weight cannot be greater than the maximum weight.</source>
        <translation>El peso mínimo no puede ser mayor que el peso máximo.</translation>
    </message>
    <message>
        <source>The range has been set back to its default: minimum %1, maximum %2.</source>
        <translation>El intervalo ha vuelto a su valor por defecto: mínimo %1, máximo %2.</translation>
    </message>
    <message>
        <source>The entry for minimum bias cannot be less than zero.  (It is an absolute value)</source>
        <translation>El umbral mínimo no puede ser menor que cero.  (Es un valor absoluto.)</translation>
    </message>
    <message>
        <source>The minimum threshold start cannot be greater than the maximum threshold start.</source>
        <translation>El umbral inicial mínimo no puede ser mayor que el umbral inicial máximo.</translation>
    </message>
    <message>
        <source>Both have been set back to %1.</source>
        <translation>Los dos han vuelto a %1.</translation>
    </message>
    <message>
        <source>The training file &quot;%1&quot;</source>
        <translation>El archivo de entrenamiento «%1»</translation>
    </message>
    <message>
        <source>The test file &quot;%1&quot;</source>
        <translation>El archivo de prueba «%1»</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 no se puede leer.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 no se puede abrir: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is a folder.</source>
        <translation>%1 no se puede abrir: es una carpeta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not an ordinary file.</source>
        <translation>%1 no se puede abrir: no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: unknown error.</source>
        <translation>%1 no se puede abrir: error desconocido.</translation>
    </message>
    <message>
        <source>value %1 (line %2, column %3)</source>
        <translation>el valor %1 (línea %2, columna %3)</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is too long to be a number.</source>
        <translation>%1, «%2», es demasiado largo para ser un número.</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is not a number.</source>
        <translation>%1, «%2», no es un número.</translation>
    </message>
    <message>
        <source>the file ends before %1.</source>
        <translation>el archivo termina demasiado pronto. Falta: %1.</translation>
    </message>
    <message>
        <source>the number of outputs</source>
        <translation>el número de salidas</translation>
    </message>
    <message>
        <source>the second header value</source>
        <translation>el segundo valor de la cabecera</translation>
    </message>
    <message>
        <source>the number of inputs</source>
        <translation>el número de entradas</translation>
    </message>
    <message>
        <source>the number of patterns</source>
        <translation>el número de patrones</translation>
    </message>
    <message>
        <source>all input values are read</source>
        <translation>parte de los valores de entrada</translation>
    </message>
    <message>
        <source>all desired outputs are read</source>
        <translation>parte de las salidas deseadas</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not %2.</source>
        <translation>%1 debe ser un número entero, no %2.</translation>
    </message>
    <message>
        <source>%1 must be from 1 to %2, not %3.</source>
        <translation>%1 debe estar entre 1 y %2, no %3.</translation>
    </message>
    <message>
        <source>%1 outputs times %2 patterns make %3 responses; at most %4 are allowed.</source>
        <translation>%1 salidas por %2 patrones dan %3 respuestas; se permiten como mucho %4.</translation>
    </message>
    <message>
        <source>%1 patterns of %2 inputs would need more memory than this program allows.</source>
        <translation>%1 patrones de %2 entradas necesitarían más memoria de la que permite este programa.</translation>
    </message>
    <message>
        <source>the file ends before all %1 pattern values; it is only %2 bytes long.</source>
        <translation>el archivo termina antes de los %1 valores de los patrones; solo tiene %2 bytes.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; %2.</source>
        <translation>El archivo «%1» %2.</translation>
    </message>
    <message>
        <source>has more values than its header asks for; the rest are ignored (numbers take a &quot;.&quot; decimal point)</source>
        <translation>tiene más valores de los que pide su cabecera; el resto se ignora (los números llevan punto decimal «.»)</translation>
    </message>
    <message>
        <source>has %1 empty field (&quot;,,&quot;), read as no value at all</source>
        <translation>tiene %1 campo vacío («,,»), que se lee como ningún valor</translation>
    </message>
    <message>
        <source>has %1 empty fields (&quot;,,&quot;), read as no value at all</source>
        <translation>tiene %1 campos vacíos («,,»), que se leen como ningún valor</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot;</source>
        <translation>El archivo CSV «%1»</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>El archivo CSV «%1» no se puede abrir: %2.</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; cannot be opened: unknown error.</source>
        <translation>El archivo CSV «%1» no se puede abrir: error desconocido.</translation>
    </message>
    <message>
        <source>no input columns are chosen.</source>
        <translation>no hay columnas de entrada elegidas.</translation>
    </message>
    <message>
        <source>no output columns and no class column are chosen.</source>
        <translation>no hay columnas de salida ni columna de clase elegidas.</translation>
    </message>
    <message>
        <source>column %1 does not exist; columns are numbered from 1.</source>
        <translation>la columna %1 no existe; las columnas se numeran desde 1.</translation>
    </message>
    <message>
        <source>column %1 is chosen twice.</source>
        <translation>la columna %1 está elegida dos veces.</translation>
    </message>
    <message>
        <source>column %1 is chosen, but row %2 has only %3 column.</source>
        <translation>la columna %1 está elegida, pero la fila %2 solo tiene %3 columna.</translation>
    </message>
    <message>
        <source>column %1 is chosen, but row %2 has only %3 columns.</source>
        <translation>la columna %1 está elegida, pero la fila %2 solo tiene %3 columnas.</translation>
    </message>
    <message>
        <source>row %1 has %2 column, but row %3 has %4.</source>
        <translation>la fila %1 tiene %2 columna, pero la fila %3 tiene %4.</translation>
    </message>
    <message>
        <source>row %1 has %2 columns, but row %3 has %4.</source>
        <translation>la fila %1 tiene %2 columnas, pero la fila %3 tiene %4.</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>la fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacía.</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is not a number with a decimal comma; it has a decimal point, but decimal commas were chosen.</source>
        <translation>%1, «%2», no es un número con coma decimal; tiene punto decimal, pero se eligió la coma decimal.</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;, is not a number with a decimal point; it has a decimal comma, but decimal points were chosen.</source>
        <translation>%1, «%2», no es un número con punto decimal; tiene coma decimal, pero se eligió el punto decimal.</translation>
    </message>
    <message>
        <source>row %1 holds a cell longer than %2 bytes.</source>
        <translation>la fila %1 tiene una celda de más de %2 bytes.</translation>
    </message>
    <message>
        <source>row %1 has a quote (&quot;) inside a cell that does not begin with one, or after a quoted cell&apos;s end.</source>
        <translation>la fila %1 tiene una comilla (&quot;) dentro de una celda que no empieza por comilla, o tras el final de una celda entre comillas.</translation>
    </message>
    <message>
        <source>Row %1 has a quote (&quot;) inside a cell that does not begin with one, or after a quoted cell&apos;s end.</source>
        <translation>La fila %1 tiene una comilla (&quot;) dentro de una celda que no empieza por comilla, o tras el final de una celda entre comillas.</translation>
    </message>
    <message>
        <source>the file ends inside a quoted cell (a quote that is never closed).</source>
        <translation>el archivo termina dentro de una celda entre comillas (una comilla que nunca se cierra).</translation>
    </message>
    <message>
        <source>it holds only a header row.</source>
        <translation>solo contiene una fila de cabecera.</translation>
    </message>
    <message>
        <source>it holds no rows.</source>
        <translation>no contiene filas.</translation>
    </message>
    <message>
        <source>The %1 set cannot be made: %2</source>
        <translation>El conjunto «%1» no se puede crear: %2</translation>
    </message>
    <message>
        <source>The table cannot be saved as a training file: %1</source>
        <translation>La tabla no se puede guardar como archivo de entrenamiento: %1</translation>
    </message>
    <message>
        <source>the number of inputs must be from 1 to %1.</source>
        <translation>el número de entradas debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>the number of classes must be from 2 to 26.</source>
        <translation>el número de clases debe estar entre 2 y 26.</translation>
    </message>
    <message>
        <source>the number of points per class must be from 1 to %1.</source>
        <translation>el número de puntos por clase debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>the spread must be above 0 and at most 10.</source>
        <translation>la dispersión debe ser mayor que 0 y como mucho 10.</translation>
    </message>
    <message>
        <source>%1 must be a share from 0 to 1.</source>
        <translation>%1 debe ser una proporción entre 0 y 1.</translation>
    </message>
    <message>
        <source>the noise</source>
        <translation>el ruido</translation>
    </message>
    <message>
        <source>no letters given.</source>
        <translation>no se han dado letras.</translation>
    </message>
    <message>
        <source>the letters must be capitals from A to Z, not &quot;%1&quot;.</source>
        <translation>las letras deben ser mayúsculas de la A a la Z, no «%1».</translation>
    </message>
    <message>
        <source>the letter %1 is given twice.</source>
        <translation>la letra %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>the number of copies must be from 1 to %1.</source>
        <translation>el número de copias debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>input %1 of pattern %2 is not a finite number.</source>
        <translation>la entrada %1 del patrón %2 no es un número finito.</translation>
    </message>
    <message>
        <source>desired output %1 of pattern %2 is not a finite number.</source>
        <translation>la salida deseada %1 del patrón %2 no es un número finito.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened as a saved network: %2.</source>
        <translation>El archivo «%1» no se puede abrir como red guardada: %2.</translation>
    </message>
    <message>
        <source>The network in use has not been changed.</source>
        <translation>La red que estás usando no ha cambiado.</translation>
    </message>
    <message>
        <source>the field %1 is missing</source>
        <translation>falta el campo %1</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not a number</source>
        <translation>%1 contiene %2, que no es un número</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not a whole number</source>
        <translation>%1 contiene %2, que no es un número entero</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not from %3 to %4</source>
        <translation>%1 contiene %2, que no está entre %3 y %4</translation>
    </message>
    <message>
        <source>%1 holds %2, which is not a whole number from 0 to %3</source>
        <translation>%1 contiene %2, que no es un número entero entre 0 y %3</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 no es ni true ni false</translation>
    </message>
    <message>
        <source>%1 is not a text in quotes</source>
        <translation>%1 no es un texto entre comillas</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 no es una lista</translation>
    </message>
    <message>
        <source>%1 has %2 entries where %3 says %4</source>
        <translation>%1 tiene %2 elementos, pero según %3 son %4</translation>
    </message>
    <message>
        <source>an epoch count and a total SSE</source>
        <translation>número de épocas y SSE total</translation>
    </message>
    <message>
        <source>the page&apos;s five lines</source>
        <translation>las cinco líneas de la página</translation>
    </message>
    <message>
        <source>%1 is %2, not one of %3</source>
        <translation>%1 es %2, no uno de %3</translation>
    </message>
    <message>
        <source>&quot;sizes&quot; give %1 responses, more than %2</source>
        <translation>«sizes» da %1 respuestas, más de %2</translation>
    </message>
    <message>
        <source>&quot;results.history&quot; has %1 rows, more than the %2 a history keeps</source>
        <translation>«results.history» tiene %1 filas, más de las %2 que guarda un historial</translation>
    </message>
    <message>
        <source>%1 is not the state of the random generator</source>
        <translation>%1 no es un estado del generador aleatorio</translation>
    </message>
    <message>
        <source>it does not begin with &quot;format&quot;: &quot;%1&quot;</source>
        <translation>no empieza por &quot;format&quot;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it is in format version %1, written by a later Vantorelle; this one reads version %2</source>
        <translation>tiene la versión de formato %1, escrita por un Vantorelle más nuevo; este lee la versión %2</translation>
    </message>
    <message>
        <source>it is not JSON text, or it is cut short (at byte %1)</source>
        <translation>no es texto JSON o está cortado (en el byte %1)</translation>
    </message>
    <message>
        <source>it holds a number beyond the range of a double (%1; write &quot;Infinity&quot; or &quot;-Infinity&quot; for one)</source>
        <translation>contiene un número fuera del rango de un double (%1; escribe &quot;Infinity&quot; o &quot;-Infinity&quot; en su lugar)</translation>
    </message>
    <message>
        <source>it needs more memory than there is</source>
        <translation>necesita más memoria de la que hay</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>%1 being saved...</source>
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <source>%1 has not been saved!</source>
        <translation>¡%1 no se ha guardado!</translation>
    </message>
    <message>
        <source>%1 has been saved!</source>
        <translation>¡%1 se ha guardado!</translation>
    </message>
    <message>
        <source>Please be patient while the spreadsheet is built...</source>
        <translation>Ten paciencia mientras se crea la hoja de cálculo...</translation>
    </message>
    <message>
        <source>The workbook has been written to %1</source>
        <translation>El libro se ha escrito en %1</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <translation>El informe no se ha podido guardar como «%1».</translation>
    </message>
    <message>
        <source>The training set could not be saved as &quot;%1&quot;.</source>
        <translation>El conjunto de entrenamiento no se ha podido guardar como «%1».</translation>
    </message>
    <message>
        <source>The earlier file of that name has been left as it was.</source>
        <translation>El archivo anterior con ese nombre se ha quedado como estaba.</translation>
    </message>
    <message>
        <source>No file has been changed.</source>
        <translation>No se ha cambiado ningún archivo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>Part of the path is not a folder.</source>
        <translation>Parte de la ruta no es una carpeta.</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>Permiso denegado.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>El disco es de solo lectura.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Una carpeta con ese nombre lo impide.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>El nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>The program reading from the pipe stopped reading.</source>
        <translation>El programa que lee de la tubería ha dejado de leer.</translation>
    </message>
    <message>
        <source>No program is reading from the pipe.</source>
        <translation>Ningún programa lee de la tubería.</translation>
    </message>
    <message>
        <source>A socket of that name is in the way.</source>
        <translation>Un socket con ese nombre lo impide.</translation>
    </message>
    <message>
        <source>A disk device of that name is in the way.</source>
        <translation>Un dispositivo de disco con ese nombre lo impide.</translation>
    </message>
    <message>
        <source>Something of that name that is not a file is in the way.</source>
        <translation>Algo con ese nombre que no es un archivo lo impide.</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 run</source>
        <translation>Todos aciertos en %1 de %2 ejecución</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 runs</source>
        <translation>Todos aciertos en %1 de %2 ejecuciones</translation>
    </message>
    <message>
        <source>All hits at the end in %1 of %2 run</source>
        <translation>Todos aciertos al final en %1 de %2 ejecución</translation>
    </message>
    <message>
        <source>All hits at the end in %1 of %2 runs</source>
        <translation>Todos aciertos al final en %1 de %2 ejecuciones</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 run; epochs to all hits: median %3, fewest %4, most %5</source>
        <translation>Todos aciertos en %1 de %2 ejecución; épocas hasta todos aciertos: mediana %3, mínimo %4, máximo %5</translation>
    </message>
    <message>
        <source>All hits in %1 of %2 runs; epochs to all hits: median %3, fewest %4, most %5</source>
        <translation>Todos aciertos en %1 de %2 ejecuciones; épocas hasta todos aciertos: mediana %3, mínimo %4, máximo %5</translation>
    </message>
    <message>
        <source>net = Σ xᵢ · wᵢ + θ = (%1 inputs) + %2 = %3</source>
        <translation>net = Σ xᵢ · wᵢ + θ = (%1 entradas) + %2 = %3</translation>
    </message>
    <message>
        <source>a = 1 if net ≥ 0, else 0: a = %1</source>
        <translation>a = 1 si net ≥ 0, si no 0: a = %1</translation>
    </message>
    <message>
        <source>%1  (the sigmoid&apos;s slope)</source>
        <translation>%1  (pendiente de la sigmoide)</translation>
    </message>
    <message>
        <source>Overflow: a new weight would not be finite, so this unit&apos;s update stopped there; that weight and the ones after it kept their values.</source>
        <translation>Desbordamiento: un peso nuevo no sería finito, así que esta unidad dejó de actualizarse ahí; ese peso y los siguientes conservan sus valores.</translation>
    </message>
    <message>
        <source>Δwᵢ = c · xᵢ: %1 of %2 weights changed (the inputs that are 0 change nothing).</source>
        <translation>Δwᵢ = c · xᵢ: %1 de %2 pesos cambiados (las entradas que valen 0 no cambian nada).</translation>
    </message>
    <message>
        <source>θ is frozen: %1</source>
        <translation>θ está congelado: %1</translation>
    </message>
    <message>
        <source>%1 (unchanged)</source>
        <translation>%1 (sin cambios)</translation>
    </message>
    <message>
        <source>Unit    Hits  Misses</source>
        <translation>Nº  Aciertos  Fallos</translation>
    </message>
    <message>
        <source>Classes: rows the class wanted, columns the class answered (the highest activation)</source>
        <translation>Clases: filas = la clase deseada, columnas = la clase respondida (la activación más alta)</translation>
    </message>
    <message>
        <source>Accuracy: %1 of %2 patterns, %3%</source>
        <translation>Precisión: %1 de %2 patrones, %3 %</translation>
    </message>
    <message>
        <source>Training file: %1</source>
        <translation>Archivo de entrenamiento: %1</translation>
    </message>
    <message>
        <source>Tested on: %1</source>
        <translation>Probado con: %1</translation>
    </message>
    <message>
        <source>%1, rate %2</source>
        <translation>%1, tasa %2</translation>
    </message>
    <message>
        <source>%1, rate %2, seed %3</source>
        <translation>%1, tasa %2, semilla %3</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>no alcanzado</translation>
    </message>
    <message>
        <source>Training file</source>
        <translation>Archivo de entrenamiento</translation>
    </message>
    <message>
        <source>Learning rule</source>
        <translation>Regla de aprendizaje</translation>
    </message>
    <message>
        <source>Learning rate</source>
        <translation>Tasa de aprendizaje</translation>
    </message>
    <message>
        <source>Hit criterion</source>
        <translation>Criterio de acierto</translation>
    </message>
    <message>
        <source>Epoch limit</source>
        <translation>Límite de épocas</translation>
    </message>
    <message>
        <source>Stop at all hits</source>
        <translation>Parar con todos aciertos</translation>
    </message>
    <message>
        <source>Pattern order</source>
        <translation>Orden de los patrones</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Umbrales</translation>
    </message>
    <message>
        <source>Weight starts</source>
        <translation>Pesos iniciales</translation>
    </message>
    <message>
        <source>Threshold starts</source>
        <translation>Umbrales iniciales</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Mostrar cada</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Epochs trained</source>
        <translation>Épocas entrenadas</translation>
    </message>
    <message>
        <source>Epochs to all hits</source>
        <translation>Épocas hasta todos aciertos</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>SSE total</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aleatorio</translation>
    </message>
    <message>
        <source>file order</source>
        <translation>orden del archivo</translation>
    </message>
    <message>
        <source>held</source>
        <translation>fijos</translation>
    </message>
    <message>
        <source>trained</source>
        <translation>entrenados</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>%1 to %2, %3</source>
        <translation>%1 a %2, %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The network could not be saved as &quot;%1&quot;.</source>
        <translation>La red no se ha podido guardar como «%1».</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot; cannot be read.</source>
        <translation>El archivo de lección «%1» no se puede leer.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot; is not valid JSON: %2.</source>
        <translation>El archivo de lección «%1» no es JSON válido: %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot; %2.</source>
        <translation>El archivo de lección «%1» %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: step %2 %3.</source>
        <translation>El archivo de lección «%1», paso %2: %3.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: &quot;data&quot; %2.</source>
        <translation>El archivo de lección «%1», &quot;data&quot;: %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: &quot;settings&quot; %2.</source>
        <translation>El archivo de lección «%1», &quot;settings&quot;: %2.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: the &quot;data&quot; of step %2 %3.</source>
        <translation>El archivo de lección «%1», &quot;data&quot; del paso %2: %3.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: the &quot;settings&quot; of step %2 %3.</source>
        <translation>El archivo de lección «%1», &quot;settings&quot; del paso %2: %3.</translation>
    </message>
    <message>
        <source>The lesson file &quot;%1&quot;: step %2 tests on held-out patterns, but the lesson&apos;s &quot;data&quot; holds none out (&quot;holdOutPercent&quot;).</source>
        <translation>El archivo de lección «%1»: el paso %2 prueba con patrones apartados, pero &quot;data&quot; de la lección no aparta ninguno (&quot;holdOutPercent&quot;).</translation>
    </message>
    <message>
        <source>must be an object in braces { }</source>
        <translation>debe ser un objeto entre llaves { }</translation>
    </message>
    <message>
        <source>has no %1</source>
        <translation>no tiene %1</translation>
    </message>
    <message>
        <source>has %1 that is not a text in quotes</source>
        <translation>tiene %1, pero no es un texto entre comillas</translation>
    </message>
    <message>
        <source>has %1 that is not a number</source>
        <translation>tiene %1, pero no es un número</translation>
    </message>
    <message>
        <source>has %1 %2, outside %3 to %4</source>
        <translation>tiene %1 %2, fuera de %3 a %4</translation>
    </message>
    <message>
        <source>has %1 that is not a whole number</source>
        <translation>tiene %1, pero no es un número entero</translation>
    </message>
    <message>
        <source>has %1 that is not a whole number from 0 up</source>
        <translation>tiene %1, pero no es un número entero desde 0</translation>
    </message>
    <message>
        <source>has %1 that is neither true nor false</source>
        <translation>tiene %1, pero no es ni true ni false</translation>
    </message>
    <message>
        <source>has a field %1 that lessons do not know</source>
        <translation>tiene un campo %1 que las lecciones no conocen</translation>
    </message>
    <message>
        <source>needs either &quot;file&quot; or &quot;generate&quot;, not both or neither</source>
        <translation>necesita &quot;file&quot; o &quot;generate&quot;, no los dos ni ninguno</translation>
    </message>
    <message>
        <source>has an empty %1</source>
        <translation>tiene %1 vacío</translation>
    </message>
    <message>
        <source>asks for a set that cannot be made: %1</source>
        <translation>pide un conjunto que no se puede crear: %1</translation>
    </message>
    <message>
        <source>has &quot;generate&quot; %1; it must be and, or, nand, xor, parity, clouds or letters</source>
        <translation>tiene &quot;generate&quot; %1; debe ser and, or, nand, xor, parity, clouds o letters</translation>
    </message>
    <message>
        <source>has &quot;rule&quot; %1; it must be Delta, Gradient or Tarvik</source>
        <translation>tiene &quot;rule&quot; %1; debe ser Delta, Gradient o Tarvik</translation>
    </message>
    <message>
        <source>has &quot;action&quot; %1; it must be one of %2</source>
        <translation>tiene &quot;action&quot; %1; debe ser uno de %2</translation>
    </message>
    <message>
        <source>has an answer but no question</source>
        <translation>tiene una respuesta pero ninguna pregunta</translation>
    </message>
    <message>
        <source>has a question but no answer</source>
        <translation>tiene una pregunta pero ninguna respuesta</translation>
    </message>
    <message>
        <source>has an &quot;actionLabel&quot; but no &quot;action&quot;</source>
        <translation>tiene &quot;actionLabel&quot; pero no &quot;action&quot;</translation>
    </message>
    <message>
        <source>does not start with &quot;lesson&quot;: 1, the format version</source>
        <translation>no empieza por &quot;lesson&quot;: 1, la versión del formato</translation>
    </message>
    <message>
        <source>is of lesson format %1, which this program does not know (it reads %2)</source>
        <translation>tiene el formato de lección %1, que este programa no conoce (lee %2)</translation>
    </message>
    <message>
        <source>has no &quot;data&quot;: every lesson names its training set</source>
        <translation>no tiene &quot;data&quot;: cada lección nombra su conjunto de entrenamiento</translation>
    </message>
    <message>
        <source>has no &quot;steps&quot;: a list [ ] of at least one step</source>
        <translation>no tiene &quot;steps&quot;: una lista [ ] con al menos un paso</translation>
    </message>
    <message>
        <source>Holding out %1% of %2 patterns would leave one part empty.</source>
        <translation>Apartar el %1 % de %2 patrones dejaría una parte vacía.</translation>
    </message>
    <message>
        <source>The lesson names no training set.</source>
        <translation>La lección no nombra ningún conjunto de entrenamiento.</translation>
    </message>
</context>
<context>
    <name>Generalize</name>
    <message>
        <source>Perceptron -- Load A Different File To Test Generalization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you load a file from this form, then it will replace the file that you have used to train the perceptron.  So make sure that you are finished exploring how the perceptron handles the current file before you load a file from this form!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This form can be used to read in a new file that can be presented to the network that has just been trained.  Generalization can be tested by choosing a file here, and then going back to the &quot;TestPerceptron&quot; form to see how the network responds to the new patterns.  The effect of previous learning on new learning can be explored by choosing a file here, and then returning to the &quot;Perceptron&quot; form without resetting the weights.  You can then continue training the network using the new set of patterns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &quot;Double Clicks&quot; To Choose A New File For Testing The Current Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of Output Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of Input Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of Patterns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read The New File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit This Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Scrolls the page sideways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page keeps the size it was drawn at. When its window is narrower, this bar moves the controls left and right so you can reach the ones out of sight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolls the page up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page keeps the size it was drawn at. When its window is lower, this bar moves the controls up and down so you can reach the ones out of sight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The corner between the two scroll bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A blank square where the two scroll bars meet. It shows only when the window is smaller than the page in both directions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of the program. Start here: choose a training file below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a file below to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Says how to choose the training file: double-click its name in the file list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive whose folders are listed below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a drive: the system&apos;s mounted volumes, by their root folders (/, /home, a USB stick under /media). The folder list then shows that drive&apos;s folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders: double-click one to open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder you are in and the folders around it. Double-click a folder to go into it, or the one above it to go back up. The file list shows that folder&apos;s files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training files: double-click one to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The training files (names ending in .net) in the chosen folder. Double-click one to read it: its numbers of output units, input units and patterns appear on the right, and the button to go on to the training set-up page shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a network saved earlier, with its weights and settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a network saved with &quot;Save The Trained Network&quot; (a .vnet file): its patterns, settings, weights and status lines come back, the set-up page opens exactly as it was saved, and the note saved with it comes up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a training set of your own, or edit one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the training-set page: type patterns into a table, or generate AND, OR, NAND, XOR, parity, clouds of points or letters, and save them as a training file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short guided exercises that set up the training for you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the lessons: eight short exercises, from what one unit computes to the letters. Each puts its own training set and settings on the set-up page and walks you through it step by step, with questions and their answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the file read holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading of the four lines below it: they show what the file you double-clicked contains.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names the box to its right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each caption names the box to its right: the file&apos;s name, how many output units the network has, how many inputs each pattern has, and how many patterns the file holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the file read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the training file you double-clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many output units the network has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of output units: how many answers the network gives for each pattern. Each output unit has its own weights and threshold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many inputs each pattern has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of input units: how many numbers each pattern presents to the network. Every output unit has one weight for each input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many patterns the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of patterns: the examples in the file, each with its inputs and the outputs the network should give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on to choose the training settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the training set-up page for the file just read, where you choose the learning rule and the other settings and start training. It shows once a file has been read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who made this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short note on the program and its authors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the program and closes all its windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of the program. On this page you set up training and watch it run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the weights change after each pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The learning rule: how each output unit computes its answer and how its weights change after each pattern. Choose one of the three below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step units: each answers 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The delta rule with binary output: a unit answers 1 when its net input (the weighted sum of the inputs plus the threshold) is 0 or more, otherwise 0. After each pattern every weight changes by the learning rate times the error times its input. It can learn only what one straight line (one plane) separates: AND and OR, never XOR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sigmoid units: answers between 0 and 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient descent with sigmoid output: a unit answers 1 / (1 + e^-net), a smooth number between 0 and 1. Each weight changes by the learning rate times (1 - a) times a times the error times its input, which walks downhill on the squared error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaussian units: high near one net input, low away from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient descent with Gaussian output: a unit answers e^(-pi net^2), which is 1 when the net input is 0 and falls towards 0 on both sides. Its answer is high inside a band, so one unit can learn XOR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When training ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one or both ways of ending training. With both, training ends at whichever comes first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End after the number of epochs in the box below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training ends after the maximum number of epochs (one epoch presents every pattern once). While it runs, a progress bar shows the epochs done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End as soon as every output is a hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training ends after the first epoch in which every output of every pattern is a hit (its squared error below the hit criterion). A problem the rule cannot learn, like XOR with step units, never ends this way: add the epoch limit or press Stop Training.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most epochs a run trains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum number of epochs (whole passes through all the patterns), used when &quot;End After A Maximum Number Of Training Epochs&quot; is ticked. Type a whole number or use the arrows beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise or lower the maximum number of epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each click raises or lowers the maximum number of epochs in the box to its left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often the status lines and the SSE history are updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every so many epochs the five status lines below are rewritten and one point is added to the SSE history that the graph and the error curve draw. A small number gives a detailed curve; a large one lets a long run go faster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise or lower the printout interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each click raises or lowers the number of epochs between printouts in the box to its left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How big each weight change is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The learning rate, the factor every weight change is multiplied by. Too small and learning is slow; too large and the weights jump past the answer (a Gaussian unit can even overflow). Type a number or use the slider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide to choose the learning rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the learning rate in the box above from small (left) to large (right).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How small the squared error must be to count as a hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hit criterion: an output is a hit when its squared error (the desired output minus the answer, squared) is below this number, and a miss otherwise. The hit and miss counts below, and the all-hits stop, use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide to choose the hit criterion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the hit criterion in the box above from small (left) to large (right).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order the patterns are shown in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether each epoch presents the patterns in a new random order or always in the file&apos;s order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle the patterns every epoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each epoch presents the patterns in a new random order, so the network does not learn the order of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always the file&apos;s order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each epoch presents the patterns in the order of the file, first to last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether thresholds learn too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The threshold (or bias) of a unit is added to its net input; it acts like a weight from an input that is always 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thresholds change like weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each unit&apos;s threshold is trained along with its weights, as the weight of an input that is always 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thresholds keep their starting values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thresholds stay at their starting values and only the weights learn. Try it to see what a threshold is for: a step unit with a threshold of 0 cannot learn AND.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the weights start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training starts from small random weights. Choose the program&apos;s range or your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random weights from the program&apos;s range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The weights start at random values between -0.1 and 0.1 (the settings shown under &quot;Current Weight Settings&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the range and sign of the starting weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the weight start page, where you choose the largest and smallest size of the random starting weights and whether they may be positive, negative or both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the thresholds start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training starts from random thresholds. Choose the program&apos;s range or your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thresholds from the program&apos;s range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every threshold starts at 0, the program&apos;s setting shown under &quot;Current Threshold Settings&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the range and sign of the starting thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the threshold start page, where you choose the largest and smallest size of the random starting thresholds and their sign.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range the starting weights are drawn from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading of the three lines below it: the range and sign the next run&apos;s random starting weights are drawn from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest size a starting weight can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest absolute value a random starting weight can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest size a starting weight can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest absolute value a random starting weight can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether starting weights are positive, negative or both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign of the random starting weights: positive and negative, only positive, or only negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range the starting thresholds are drawn from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading of the three lines below it: the range and sign the next run&apos;s random starting thresholds are drawn from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest size a starting threshold can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest absolute value a random starting threshold can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest size a starting threshold can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest absolute value a random starting threshold can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether starting thresholds are positive, negative or both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign of the random starting thresholds: positive and negative, only positive, or only negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A number that repeats a run exactly; empty for a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The random seed decides the starting weights and the pattern order. Type a whole number to make a run you can repeat exactly (the same seed and settings give the same numbers). Leave it empty and each run takes a seed from the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed the last run used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed of the last run. Type it into the seed box to run it again exactly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a window beside this page for training one pattern or one epoch at a time, with the rule&apos;s arithmetic written out for one output unit and every weight before and after.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a window that trains these settings once from each seed of a range, on every core, and lists the epochs, hits and total SSE of each run with a summary. This page and its network stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train on from the current weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continues training from the weights the last run left, counting on from its epochs. The settings are checked first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examine the trained network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the testing hub, with ways to probe, graph, view, save and export the trained network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new run from new starting weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the settings, draws new starting weights and thresholds, and trains until a chosen end is reached. The status lines show the progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the run after the epoch it is in (Escape does the same). The weights stay as they are, so you can examine them or continue training.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The training file in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the training file the network trains on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: the epochs trained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many epochs (passes through all the patterns) the network has trained, updated at every printout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: the total SSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total sum of squared errors: for every pattern and every output, the desired output minus the answer, squared, all added up. 0 means every answer is exact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: how the SSE changed since the last printout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change in the total SSE since the last printout, in scientific notation. A positive number means the error fell. While a run goes on, its background is green when the error fell or stayed and red when it rose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: the hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many outputs (over all patterns) are hits: squared error below the hit criterion. At the end its background turns green when every output is a hit, red otherwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: the misses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many outputs (over all patterns) are misses: squared error at or above the hit criterion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The epochs done in this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While a run with an epoch limit trains, this bar fills from 0 to the maximum number of epochs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this page sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The random starting weights are drawn from the range set below, with the sign chosen below it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest absolute value of a random starting weight. Type a number or use the slider beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide to choose the largest starting weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the largest absolute value of a starting weight in the box beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest absolute value of a random starting weight. It must not be above the largest. Type a number or use the slider beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide to choose the smallest starting weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the smallest absolute value of a starting weight in the box beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign of the starting weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the random starting weights may be positive and negative, only positive, or only negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting weights of either sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each starting weight is positive or negative at random.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only positive starting weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every starting weight is positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only negative starting weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every starting weight is negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use these settings and go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the range and sign chosen here for the next run and returns to the set-up page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back with the program&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to the set-up page with the program&apos;s own starting settings (Escape does the same).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The random starting thresholds are drawn from the range set below, with the sign chosen below it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest absolute value of a random starting threshold. Type a number or use the slider beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide to choose the largest starting threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the largest absolute value of a starting threshold in the box beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest absolute value of a random starting threshold. It must not be above the largest. Type a number or use the slider beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide to choose the smallest starting threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the smallest absolute value of a starting threshold in the box beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign of the starting thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the random starting thresholds may be positive and negative, only positive, or only negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting thresholds of either sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each starting threshold is positive or negative at random.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only positive starting thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every starting threshold is positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only negative starting thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every starting threshold is negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ways to examine the trained network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click an item of the list below (or select it and press Enter) to examine the trained network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click an item to examine the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ways to examine the trained network: probe single patterns, save or export a summary, graph the error, view the weights, save the network, compare the runs kept so far, or count hits and misses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present patterns one at a time and read the answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the probe page: choose a pattern and see its inputs, the network&apos;s answer, the desired output and the error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build a spreadsheet summary of the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a workbook of seven sheets (general information, responses, errors, weights, SSE history, desired outputs, inputs) and opens it in your spreadsheet program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a text report of the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the save-results page, where you choose a file and the sections of a text report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph the total SSE over the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the SSE graph: one bar per recorded total SSE, labelled with its epoch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the weights, the decision plane and the error curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the network view: each unit&apos;s weights as coloured cells, the decision plane of two-input problems, and the error curve. It follows later runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the network with its weights and settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the trained network (its patterns, settings, weights, SSE history and a note of yours) to a .vnet file that &quot;Open A Saved Network&quot; brings back exactly as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay the runs of this sitting side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the compare page: every run trained since the program started is kept there, with its settings, seed, weights and total SSE after every epoch. Tick two or more to see their error curves on one graph, their settings side by side, their decision planes and their confusion tables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count the network&apos;s hits and misses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the confusion tables: each output unit&apos;s hits and misses and, when every pattern wants exactly one unit on, which class the network answered against the class wanted, with the accuracy. For the training file and for the file the network was last tested on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status of the spreadsheet export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While a workbook is built it asks you to be patient; afterwards it says where the file went.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of the spreadsheet export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills while the workbook is being built.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ways to go on training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click an item of the list below (or select it and press Enter) to go on training.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click an item to go on training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ways to go on: train again, continue, take a new problem, test on new patterns, open a saved network, or make a training set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start again from new random weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back to the set-up page; Start Training there begins from new random starting weights.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on training from the weights as they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back to the set-up page with the totals recomputed for the current weights; Continue Training goes on from them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another training file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back to the load-file page to train a new network on another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test this network on another file&apos;s patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the generalization page: read a file with the same numbers of inputs and outputs in place of the training patterns. The weights stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a network saved earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a saved network (.vnet file) on the set-up page exactly as it was saved: its patterns, settings, weights and status lines. &quot;Continue Training&quot; goes on from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make or edit a training set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the training-set page on the patterns of the file read last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or end the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The button below it ends the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the set-up page and this hub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the set-up page and this hub; the pages opened from the hub stay until you close them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this page does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present single patterns to the trained network and read its answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a pattern on the left, then press Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a pattern&apos;s number with the box and its arrows to the left, then press Ok.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of the pattern to present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of a pattern of the current file, from 1 to the number of patterns. Anything else is refused with a message naming the allowed range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next or previous pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises or lowers the pattern number in the box to its left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present the pattern and show the result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presents the chosen pattern to the network. A block goes to the top of the window below: the pattern&apos;s inputs, each output unit&apos;s answer, the desired output and the error (desired minus answer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results of the patterns probed, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One block per pattern probed: its inputs, the network&apos;s response, the desired output and the error of each output unit. You can select and copy the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the results window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes every result from the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the results on the default printer, headed with the training file&apos;s name (a PDF file where there is no printer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the probe page; it asks first when the window holds results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read a new file of patterns and present it to the trained network, to see how well it does on patterns it was not trained on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new file replaces the old one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new file&apos;s patterns take the place of the training patterns; the weights stay. Its numbers of inputs and outputs must match the network&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a file below to check it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Says how to choose the new file: double-click its name in the file list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files: double-click one to check it against the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files (names ending in .net) in the chosen folder. Double-click one to see its numbers; when its inputs and outputs match the network&apos;s, &quot;Read The New File&quot; becomes available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the new file you double-clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the new file&apos;s patterns in place of the old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the new file&apos;s patterns into the network in place of the training patterns. The weights stay, so the probe, graph and save pages now show how the network does on them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the page and changes nothing unless the new file was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total SSE at every printout of the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One bar per recorded total SSE (sum of squared errors over all patterns and outputs), labelled with the epoch it was recorded at. A curve that falls to near 0 shows the network learning; one that stays high shows it cannot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to work with the numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Says how to get the numbers behind the graph: &quot;Create A Summary In Excel&quot; on the hub writes them to a sheet of the workbook (the text report&apos;s SSE section holds them too), to chart in other programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the graph to the clipboard and prints it on the default printer (a PDF file where there is no printer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the graph.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of the program. On this page you save a text report of the run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where to save, then the file&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder with the lists below, then click an existing .txt file or make a new name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the sections the report should hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The boxes below choose the sections of the report. They are written in a fixed order whatever you tick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files: click one to save to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .txt files of the chosen folder. Click one to save the report to it (it is replaced only after you answer Yes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a new folder here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for a name and makes a new folder in the folder shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the name of a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for a new file name; .txt is added unless the name ends in exactly .txt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section: the training settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The general information: the training file, the date, the learning rule, the learning rate, the epochs and the other settings of the run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section: every output&apos;s answer to every pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network responses: the answer of every output unit to every pattern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section: the errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network errors: the total error and the error of every output unit for every pattern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section: the weights and thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection weights: each output unit&apos;s type and threshold, and the table of weights from every input to every output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section: the input patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input patterns of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section: the desired outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output patterns: the desired output of every unit for every pattern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section: the SSE history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total SSE recorded at every printout, against the epoch it was recorded at: the numbers behind the SSE graph.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file the report goes to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heading of the line below, which names the file the report will be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file chosen; green once written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The full name of the file chosen. It turns green when the report has been written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the report with the ticked sections to the file named above. An existing file is replaced only after you answer Yes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the page. The file chosen is remembered while the program runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this page shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three pictures of the network on the tabs below: its weights, its decisions and its error curve. They follow the runs while the page is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network shown and where its run stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The training file of the network the pictures show, its numbers of patterns, inputs and outputs and its rule, and after training the epoch, the total SSE and the misses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three pictures of the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights (Alt+W): every unit&apos;s weights as coloured cells. Decisions (Alt+D): the input plane of a two-input problem, shaded by a unit&apos;s answer. Error Curve (Alt+E): the total SSE over the epochs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each output unit&apos;s weights as coloured cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One grid of cells per output unit, one cell per input weight, with the unit&apos;s threshold in the cell to the right. Dark blue is negative, grey near 0, light orange positive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lays each unit&apos;s weights out as a picture so many cells wide: letters.net opens at 5, the 5 by 7 grid of its letters. The width is kept for each file until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input and weight of the cell pointed at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point at a cell, or tab to the picture and use the arrow keys (Page Up and Page Down change unit): this line names the unit, the input and the weight&apos;s value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour each unit from its own lowest to highest weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unticked, every unit shares one colour scale, so you can compare units. Ticked, each unit is coloured from its own lowest weight to its highest, and the shape a unit has learned stands out even when most of its weights are negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each output unit&apos;s weights: blue negative, orange positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The weights of every output unit as a grid, the threshold to the right of each grid. The scale above shows which colour is which value. Point at a cell to read it; with the focus here, the arrow keys move from cell to cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input plane and where a unit changes its answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For files with exactly two inputs: the plane of both inputs, shaded by the chosen unit&apos;s answer, with its boundary and each pattern as a disc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output unit drawn on the plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses which output unit&apos;s answers shade the decision plane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plane shaded by the unit&apos;s answer; missed patterns ringed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each point of the plane of the two inputs is shaded by the unit&apos;s answer there. The line is the boundary where its answer changes (a Gaussian unit has two, the edges of its band). Black discs want 1, white discs want 0; a disc ringed in magenta is missed. A step unit always misses a pattern of XOR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why there is no decision plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Says why the plane is not drawn: the plane needs a file with exactly two inputs (AND, OR, XOR) and a trained network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total SSE over the epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recorded total SSE against the epochs, on a linear or logarithmic scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the SSE on a logarithmic scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked, each step up the scale is ten times the one below, so the slow last part of learning shows; a total of 0 gets a line of its own below the lowest decade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The learning curve: the total SSE recorded at every printout, against the epoch. It falls as the network learns and levels off when it can learn no more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the picture shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the picture on the current tab (a PDF file where there is no printer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the picture shown as PNG or SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the picture on the current tab; a name ending in .svg gives a drawing, any other a PNG image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the network view.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presents the next pattern, applies the learning rule once and holds the run there. With no run going, it starts one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes on to the end of the epoch (the pass through all the patterns) and holds the run there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets the run go on, at the speed chosen below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds the run after the pattern it is on; a step then goes on from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How fast a run goes: as fast as possible down to 1 pattern a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slows a run from as fast as possible down to 100, 30, 10, 3 or 1 patterns a second, so you can watch the boundary move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speed the slider sets, in patterns a second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the run stands: epoch and pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The epoch and the pattern the last step presented, with its place in the epoch&apos;s order, the rule and the learning rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output unit whose step is written out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses which output unit&apos;s arithmetic the window writes out (for the letters, one of 26).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the other output units did</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A line that sums up how many of the other output units changed their weights at this step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last step in the rule&apos;s own formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The step written out with the numbers the run used: the net input, the answer (activation), the error, the rule&apos;s coefficient c, and each weight&apos;s change c times its input, with its value before and after. An overflow of the Gaussian rule is said here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every weight and the threshold, before and after the step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per weight and one for the threshold of the unit chosen, before and after the last step; the ones that changed are in bold and marked (changed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window; a held or slowed run goes on at full speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this window does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trains the set-up page&apos;s settings once from each seed of a range, to show how much the outcome depends on the starting weights. The page and its network stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first seed of the range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed of the first run; the next runs take the seeds after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many seeds to run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many runs, one per seed (up to 100000).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the settings once from each seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the runs on every core. Each line is the run Start Training gives with that seed in the seed box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the runs under way after their current epoch and keeps the lines of those that ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The runs done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills as the runs end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One line per seed: epochs, all hits, total SSE, hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For each seed: how many epochs its run took, whether it reached all hits, its total SSE and its hits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many runs reached all hits, and how fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many runs reached all hits, with the median, fewest and most epochs they took.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the table as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the table to a CSV file (seed, epochs, all hits, total SSE, hits and the responses), the same columns the trainer&apos;s --seeds-csv writes, so the two files of the same seeds are the same bytes. It can be pressed once a run has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the window; runs still going stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a training set of your own, or edit the one read last, and save it as a training file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three ways to work on the same set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table (Alt+A), Draw (Alt+D) and Import CSV (Alt+C) show the same set: a change made on one is seen on the others and undone from any of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set as a table of numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per pattern: its inputs, then its desired outputs. Type into the cells, paste from a spreadsheet, add or delete rows and columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set as points on the plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For sets of two inputs: each pattern is a point on the plane of input 1 and input 2. Click to add points, drag them, right-click to remove them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the patterns from a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a CSV file, say what each column is, and import it into the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desired outputs of the points you add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With one output, a new point wants 0 or 1; with more, it belongs to a class: 1 from its output and 0 from the others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to add a point, drag to move it, right-click to remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each pattern is a point at its two inputs; the classes differ in colour and in shape. Click an empty place to add a point, drag a point to move it, right-click it (or click it and press Delete) to remove it. When the program holds a network of the same size, the plane is shaded by its answer, with its boundary, and the points it misses are ringed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a CSV file to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a CSV file and shows its first 20 rows in the grid below, with the delimiter, header and decimal mark guessed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the CSV file shown in the grid below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character between the cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The delimiter of the file&apos;s cells: comma, semicolon, tab or bar, or guessed from the first row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the first row names the columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guessed: the first row is a header when a cell of an input or output column is not a number. Choose here when the guess is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal points or decimal commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the file&apos;s numbers are written 1.5 or 1,5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s first rows; choose in the first row what each column is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first 20 rows of the file. The boxes in the first row say what each column is: Input, Output, Class (one output per value of the column) or Ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the import made of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Says how many patterns, inputs and outputs the file gives and, for a class column, which output stands for which class.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the whole file into the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the whole file as chosen and puts its patterns in the table as one step to undo. A file that cannot be used is refused with a message naming the row and the column, and the table stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a pattern under the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a row (a pattern) of zeros under the selected row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a copy of each selected row under it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected rows. One pattern always stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste cells copied from a spreadsheet (Ctrl+V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts tab-separated cells, as spreadsheets copy them, from the selected cell on, adding rows as needed. A cell that is not a number, or a block wider than the columns left, pastes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last change (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes back the last change; a paste or a generated set counts as one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the change taken back again (Ctrl+Shift+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the last change taken back again (Ctrl+Shift+Z or Ctrl+Y).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an input column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds an input column of zeros: every pattern gets one more input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an output column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a desired-output column of zeros: the network gets one more output unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected cell&apos;s column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a copy of the selected cell&apos;s column beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected cell&apos;s column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected cell&apos;s column. One input and one output always stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patterns: inputs, then desired outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per pattern: its inputs, then the outputs the network should give. Click a cell and type, or press F2. Numbers are read in your system&apos;s form; anything else is refused with a message and the cell keeps its value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set&apos;s size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many patterns, inputs and outputs the set has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the table with a ready-made set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a kind of set and its numbers, then press Generate. Clouds and noisy letters are drawn with the seed, so the same seed makes the same set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kind of set to generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AND, OR, NAND, XOR and parity list every combination of 0 and 1; Gaussian clouds are points around centres in the plane; letters are the 5 by 7 letters of letters.net.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many inputs a logic set has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of inputs of a logic set; XOR over more than two inputs is parity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of clouds (classes). Two classes have one output; more have one output per class.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points in each cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many points each cloud has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the points lie from their centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spread of each cloud around its centre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of patterns given a wrong answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For clouds, the share of points given another class&apos;s output; for letters, the chance that each pixel is flipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the clouds so a line parts them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked, each cloud is cut off where a line still parts it from the others, so without noise a step unit can get every pattern right. Unticked, the clouds overlap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which letters to make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letters of the set, one output unit each (for example CLOT).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many copies of each letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many times each letter is repeated; with noise, each copy differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed the random sets are drawn with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same seed makes the same clouds, the same noisy letters and the same split.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the table with the set chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces the table with the generated set (Undo brings the old one back).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep some patterns apart for testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A share of the patterns can be saved to a test file of its own, to see how the network does on patterns it never trained on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of patterns saved as a test file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a number above 0, saving draws that share of the patterns with the seed and writes them to NAME-test.net beside the training file, for &quot;Test Current Network On A New Problem&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What saving does with the share held out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Says where the patterns held out go: drawn with the seed, out of the training file, into a test file beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the set as a training file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the .net file (.net is added to a name without an ending). A set beyond the training files&apos; limits is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the set and train on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the set, reads it and opens the training set-up page on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the page (Escape does the same when no cell is being typed in).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guided exercises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short guided exercises on how a perceptron learns. Choose one in the list below and press Start This Lesson.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lessons: choose one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lessons, one a line: what one unit computes; OR, NAND and why XOR fails a step unit; the learning rate; the threshold as a weight; sigmoid against step units; the Gaussian unit that solves XOR; generalization; and the letters. A lesson file with a mistake is listed as &quot;(cannot be opened)&quot;; choosing it says which file and what is wrong. Double-click a lesson (or press Enter) to start it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of the lesson chosen in the list or under way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where you are in the lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many steps the chosen lesson has, and once it has started, which step you are on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this step says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text of the step: what to look at or to do on the set-up page and the pages it opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The step&apos;s question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A question to think about before you look at the answer. Not every step asks one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal the answer to the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the answer to the step&apos;s question below it. Try to answer it yourself first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer to the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer to the step&apos;s question, shown once you press Show Answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do what the step asks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does what the step asks for you: opens the step panel, starts training, shows a picture of the network (its decision plane, weights or error curve) or the SSE graph, or tests the network on the held-out patterns. It shows only on steps that have something to do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin the lesson chosen in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the lesson chosen in the list: it puts its own training set and settings (rule, rate, when training ends, seed) on the set-up page, which opens beside it, and shows the first step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back one step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back to the step before. A step that brought a training set or settings of its own puts them back on the set-up page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on to the next step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes on to the next step of the lesson; on the last step it reads Last Step and cannot be pressed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How a lesson works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each lesson sets up the training page for you: read the step, think about the question, then check your answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this page (Escape does the same).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the runs kept this sitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every run the set-up page trains is kept while the program runs, once it ends: its settings, seed, final weights and total SSE after every epoch. This page lays the ticked ones side by side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick two or more runs to compare them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The runs kept this sitting (the newest 40 stay). Tick the ones to compare; the page opens with the two newest ticked. Double-click a name to give it one of your own. Point at a run to see its rule, rate and seed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the selected run as a network file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the selected run as a saved network (.vnet) as it was when it ended, even after later runs. &quot;Open A Saved Network&quot; brings it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop the selected run from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected run from the kept runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the compare page; the runs stay kept and come back when you open it again (Escape does the same).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ticked runs compared four ways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ticked runs compared: their error curves, their settings and outcomes, their decision planes and their confusion tables, each on a tab of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ticked runs&apos; total SSE over epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total SSE of each ticked run after every epoch, on one graph, each run in its own colour, line style and marker. The legend names the rule, the rate, the seed and the epochs to all hits (&quot;not reached&quot; when a run never got there). Logarithmic scale spreads the small totals out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ticked runs&apos; settings and outcomes side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings (file, rule, rate, hit criterion, stops, order, thresholds, start ranges, display interval, seed) and the outcomes (epochs trained, epochs to all hits, total SSE, hits) of the ticked runs side by side. A row whose values differ is marked, in bold on a tinted ground.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each run&apos;s decision plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For files of two inputs, the input plane of each ticked run, as on the network view, side by side: the patterns wanted 1 and 0, and the ones the run misses ringed. Scroll sideways for more runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each run&apos;s hits and misses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each ticked run&apos;s confusion table on the file it trained on and, when the network now holds another file of the same sizes (Test Current Network On A New Problem), on that file with the run&apos;s weights.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spread the small totals out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the total SSE on a logarithmic scale, so the small totals near the end of a run, where the runs often differ most, are spread out instead of lying flat on the axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network&apos;s hits and misses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network&apos;s hits and misses for each output unit, and its accuracy class by class.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the tables below show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Says what the tables below count, and for which files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits and misses for each output unit and each class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the training file and for the file the network was last tested on: each output unit&apos;s hits and misses and, when the desired outputs are one-hot (one unit on in every pattern, as in letters.net), a class-by-class table with the accuracy. Its rows are the class wanted, its columns the class answered (the unit with the highest activation). You can select and copy the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add these tables to the report and the workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When ticked, the text report gets these tables after its sections and the workbook a &quot;Confusion&quot; sheet after its own. Unticked, both are exactly as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts the hits and misses again for the network as it is now, after more training or a test on another file. Coming back to this page does the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the confusion tables (Escape does the same).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <source>Epoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A table of 1 row: epoch and total SSE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A table of %1 rows: epoch and total SSE.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this step says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start This Lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each lesson sets up the training page for you. Read the step, think about the question, then check your answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadFile</name>
    <message>
        <source>Perceptron -- Load File -- Tarvik Neural Net Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &quot;Double Clicks&quot; To Choose The File To Train The Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open A Saved
Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Or Edit A
Training Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training File Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of Output Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of Input Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of Patterns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go To Next Page To Set Training Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeTrainingSet</name>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaussian Clouds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points per class:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spread:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABCDEFGHIJKLMNOPQRSTUVWXYZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Off A Test File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold out (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving holds that share of the patterns, drawn with the seed, out of the training file and writes them to a test file beside it (NAME-test.net).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As Training File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save And &amp;Train On It...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;able</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &amp;CSV</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkView</name>
    <message>
        <source>The Network&apos;s Weights And Decisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Views of the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture &amp;width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture width in cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many cells wide each unit&apos;s picture of weights is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point at a cell, or tab to the picture and use the arrow keys, to read its weight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight of the cell pointed at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each unit on its own &amp;contrast, from its lowest weight to its highest (shows the shape a unit has learned)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each unit on its own contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights of each output unit, scrollable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights of each output unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Output unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output unit shown on the plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decision plane of the output unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the decision plane is not shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Error Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Logarithmic SSE scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithmic SSE scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error curve: total SSE over epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the picture shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the picture shown as a PNG or SVG file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit This Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit this page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Perceptron</name>
    <message>
        <source>Perceptron Setup Page -- Tarvik Neural Network Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose A Learning Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta Rule (Binary Output)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Descent Rule (Sigmoid Output)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Descent Rule (Gaussian Output)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Method(s) For Ending Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End After A Maximum Number Of Training Epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End When There Are All &quot;Hits&quot; And No &quot;Misses&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose The Maximum Number Of Epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose # Of Epochs Between Printouts Of Training Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose A Learning Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set The Minimum Level Of Squared Error To Define A &quot;Hit&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Order Of Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomize Patterns Each Epoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Randomize Pattern Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train Output Unit Thresholds?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train Thresholds During Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Thresholds Constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Starting Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Starts For Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined Starts For Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Starting Thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Starts For Thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defined Starts For Thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Weight Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Weight = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Weight = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight Sign = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Threshold Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Threshold = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Threshold = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold Sign = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Seed (Empty: From The Clock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Through Training...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train one pattern at a time and see the arithmetic of each step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run With Many Seeds...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train these settings once from each of many seeds and compare the epochs to all hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorelle perceptron trainer, written for students who want to watch a network learn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotSSEdata</name>
    <message>
        <source>Graph of SSE as a function of sweeps of training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To work with this graph electronically, return to the previous page and create an Excel spreadsheet.  The data used to create this graph is saved on one of the worksheets in the spreadsheet that is created, and can be used to create a chart that could be imported into other software packages, such as a word processor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print The Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit This Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProbeNetwork</name>
    <message>
        <source>Perceptron Program -- Probe Responses To Selected Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examine The Network&apos;s Responses To Individual Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the control to the left to choose a pattern to present to the network.  The results will be added to the text in the textbox below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear The Text In The Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print The Text In The Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Save Results To A Text File -- Tarvik Neural Network Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose The Name Of The File To Be Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose The Properties To Save In The File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create A New Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create A New Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Information (Training info etc.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Responses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network SSE As A Function Of Sweeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Of File To Be Saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save The File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeedsPanel</name>
    <message>
        <source>Run With Many Seeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set-up page&apos;s settings, trained once from each seed: how much of the result is the random start&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seeds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepPanel</name>
    <message>
        <source>Step Through Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step One &amp;Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present the next pattern and apply the rule once (F10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step One &amp;Epoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on to the end of this epoch and stop there (F11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on training without stopping after each pattern (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after the current pattern and wait for a step (F6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output &amp;unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestPerceptron</name>
    <message>
        <source>Testing The Perceptron -- Tarvik Neural Network Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose A Method For Examining Network Performance By Double-Clicking One Of The List Items Below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe Network Responses To Selected Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create A Summary In Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Summary As A Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot SSE By Sweeps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View The Network&apos;s Weights And Decisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save The Trained Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose A Method For Continuing Training By Double-Clicking One Of The List Items Below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Weights And Train Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Current Weights And Continue Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train A New Network On A New Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Current Network On A New Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Kept Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confusion Tables And Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeightStart</name>
    <message>
        <source>Set Parameters For Randomly Choosing Initial Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use The Controls Below To Control The Range Of Numbers From Which Weights Will Be Randomly Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set The Maximum (Absolute) Value Of A Random Starting Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set The Minimum (Absolute) Value Of A Random Starting Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight Sign Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive &amp;&amp; Negative Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Positive Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Negative Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::CompareRuns</name>
    <message>
        <source>Total SSE of the chosen runs over epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Logarithmic scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSE &amp;Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings and outcomes of the chosen runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows marked %1, in bold on a tinted ground, differ between the runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decision planes of the chosen runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decision Planes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confusion tables of the chosen runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;fusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No run has ended yet this sitting: each run the set-up page trains is kept here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick two or more runs to lay their curves over each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total SSE after every epoch of each run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decision plane of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the runs whose decisions to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs on files without exactly two inputs have no plane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output unit 1 of each run; black discs want 1, white want 0, ringed ones are missed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::ConfusionTables</name>
    <message>
        <source>No network yet: read a training file and train it first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::CsvImportPanel</name>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open CSV File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Into The Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar ( | )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No header row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal point (1.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal comma (1,5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s first rows, and what each column is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;elimiter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Header:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nu&amp;mbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row of the grid says what each column is for: Input, Output, Class (one output per value, 1 for the row&apos;s class and 0 for the others) or Ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open A CSV File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1 is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, and column %1 as the class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one column can be the class: the others are ignored. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read %1 of %2 and %3 from &quot;%4&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = output %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Classes: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::DecisionView</name>
    <message>
        <source>sigmoid unit (Gradient rule)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaussian unit (Tarvik rule)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step unit (Delta rule)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The decision plane is drawn for networks with exactly two inputs, one along each side of the plane. This network has %1, so its patterns do not lie in such a plane; the weights show what each output unit has learned instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no network to draw yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network has no weights yet: train it on the set-up page first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %1, a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shade: its activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 (it answers 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 (it answers 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern, desired output 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern, desired output 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missed: squared error not below %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edges of the band where it answers 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>boundary: the answer changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed: %1 of %2 patterns</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::ErrorCurveView</name>
    <message>
        <source>Showing the first %1 recorded points of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No error has been recorded yet: train the network on the set-up page first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SSE after %1 epochs: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::Lessons</name>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (cannot be opened)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lessons found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no lesson files in the lessons folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This lesson file cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot put its training set in place: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open The Step Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show The Decision Plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show The Weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show The Error Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show The SSE Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test On The Held-Out Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train the network first: the held-out patterns test what it has learned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The held-out patterns do not fit the network.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::NetworkView</name>
    <message>
        <source>%1: %2, %3, %4, %5 rule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epoch %1: total SSE %2, misses %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (training)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decision Plane Of Output %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Curve - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights Of The Network - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save The Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures are saved as PNG or SVG files.<byte value="xd"/>Please choose a name ending in .png or .svg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::Perceptron</name>
    <message>
        <source>Epochs of this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the run after the current epoch (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::PlotSSEdata</name>
    <message>
        <source>%1: the history keeps no more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::RunCurvesView</name>
    <message>
        <source>Epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::SeedsPanel</name>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One line a seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set-up page is training: let its run end first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first seed must be a whole number from 0 to %1 less the number of seeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running %1 seeds on %2 threads...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (stopped: %1 of %2 seeds ran)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export The Seeds As CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table has been written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::SetDrawing</name>
    <message>
        <source>sigmoid unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaussian unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing of the patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points are drawn on the plane of two inputs, one along each side. This set has %1, so its patterns are edited in the table; make a set of two inputs to draw one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>desired output %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class %1 (output %1 is 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (new points)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shade: the network&apos;s output %1, a %2; the line is where its answer changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ringed: missed by it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train a network on this set (two inputs, %1) and its answer shows under the points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to add a point; drag a point to move it; right-click it, or select it and press Delete, to remove it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::StepPanel</name>
    <message>
        <source>As fast as possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 pattern a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 patterns a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arithmetic of the step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit&apos;s weights before and after the step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No step yet: &quot;Step One Pattern&quot; presents the next pattern and stops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epoch %1: pattern %2, presented %3 in this epoch&apos;s order (rule: %4, rate %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (changed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other %1 units: %2 changed, %3 unchanged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::UpDown</name>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorelle::WeightsView</name>
    <message>
        <source>Output %1: threshold %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %1, input %2: weight %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network has no weights yet: train it on the set-up page first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight colours, each unit on its own contrast (thresholds, the cells on the right, on one scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight colours (threshold: the cell on the right of each unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark: the unit&apos;s lowest weight, light: its highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark: negative, grey: near 0, light: positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
