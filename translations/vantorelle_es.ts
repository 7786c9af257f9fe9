<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BiasStart</name>
    <message>
        <source>Set Parameters For Randomly Choosing Initial Thresholds Or Biases</source>
        <translation>Ajustes para elegir al azar los umbrales o sesgos iniciales</translation>
    </message>
    <message>
        <source>Use The Controls Below To Control The Range Of Numbers From Which Thresholds Or Biases Will Be Randomly Selected</source>
        <translation>Usa los controles de abajo para fijar el rango de números del que se eligen al azar los umbrales o sesgos</translation>
    </message>
    <message>
        <source>Set The Maximum (Absolute) Value Of A Random Starting Threshold Or Bias</source>
        <translation>Fija el valor máximo (absoluto) de un umbral o sesgo inicial al azar</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Set The Minimum (Absolute) Value Of A Random Starting Threshold Or Bias</source>
        <translation>Fija el valor mínimo (absoluto) de un umbral o sesgo inicial al azar</translation>
    </message>
    <message>
        <source>Threshold/Bias Sign Selector</source>
        <translation>Signo del umbral o sesgo</translation>
    </message>
    <message>
        <source>Positive And Negative Biases</source>
        <translation>Sesgos positivos y negativos</translation>
    </message>
    <message>
        <source>Only Positive Biases</source>
        <translation>Solo sesgos positivos</translation>
    </message>
    <message>
        <source>Only Negative Biases</source>
        <translation>Solo sesgos negativos</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Usar estos ajustes</translation>
    </message>
    <message>
        <source>Use Default Settings</source>
        <translation>Usar ajustes por defecto</translation>
    </message>
</context>
<context>
    <name>CompareRuns</name>
    <message>
        <source>Compare Kept Runs</source>
        <translation>Comparar ejecuciones guardadas</translation>
    </message>
    <message>
        <source>Page title</source>
        <translation>Título de la página</translation>
    </message>
    <message>
        <source>&amp;Runs kept this sitting: tick two or more to compare them; double-click a name to rename it.</source>
        <translation>&amp;Ejecuciones de esta sesión: marca dos o más para compararlas; doble clic para renombrar.</translation>
    </message>
    <message>
        <source>Runs kept this sitting</source>
        <translation>Ejecuciones guardadas en esta sesión</translation>
    </message>
    <message>
        <source>&amp;Save As Network File...</source>
        <translation>&amp;Guardar como archivo de red...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The chosen runs compared</source>
        <translation>Las ejecuciones elegidas, comparadas</translation>
    </message>
</context>
<context>
    <name>ConfusionTables</name>
    <message>
        <source>Confusion Tables And Accuracy</source>
        <translation>Tablas de confusión y exactitud</translation>
    </message>
    <message>
        <source>Page title</source>
        <translation>Título de la página</translation>
    </message>
    <message>
        <source>Each output unit&apos;s hits and misses and, when every pattern wants exactly one unit on, which class the network answered (the unit with the highest activation) against the class wanted: for the file the network trained on and for the file it was last tested on.</source>
        <translation>Los aciertos y fallos de cada unidad de salida y, cuando cada patrón pide exactamente una unidad encendida, qué clase respondió la red (la unidad con la activación más alta) frente a la clase deseada: para el archivo con el que se entrenó la red y para el último archivo con el que se probó.</translation>
    </message>
    <message>
        <source>Confusion tables</source>
        <translation>Tablas de confusión</translation>
    </message>
    <message>
        <source>&amp;Write these tables into the text report and the workbook</source>
        <translation>&amp;Escribir estas tablas en el informe de texto y en el libro de Excel</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
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
    <message>
        <source>the spread</source>
        <translation>la dispersión</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; names another training set in &quot;data&quot; than the original.</source>
        <translation>El archivo de lección traducido «%1» indica en &quot;data&quot; otro conjunto de entrenamiento que el original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has other &quot;settings&quot; than the original.</source>
        <translation>El archivo de lección traducido «%1» tiene otros &quot;settings&quot; que el original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has %2 steps; the original has %3.</source>
        <translation>El archivo de lección traducido «%1» tiene %2 pasos; el original tiene %3.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 another training set than the original.</source>
        <translation>El archivo de lección traducido «%1» tiene en el paso %2 otro conjunto de entrenamiento que el original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 other settings than the original.</source>
        <translation>El archivo de lección traducido «%1» tiene en el paso %2 otros ajustes que el original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 another action than the original.</source>
        <translation>El archivo de lección traducido «%1» tiene en el paso %2 otra acción que el original.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 a question the original does not ask.</source>
        <translation>El archivo de lección traducido «%1» hace en el paso %2 una pregunta que el original no hace.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 no question; the original asks one.</source>
        <translation>El archivo de lección traducido «%1» no hace ninguna pregunta en el paso %2; el original sí la hace.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 an &quot;actionLabel&quot; the original does not have.</source>
        <translation>El archivo de lección traducido «%1» tiene en el paso %2 un &quot;actionLabel&quot; que el original no tiene.</translation>
    </message>
    <message>
        <source>The translated lesson file &quot;%1&quot; has in step %2 no &quot;actionLabel&quot;; the original has one.</source>
        <translation>El archivo de lección traducido «%1» no tiene &quot;actionLabel&quot; en el paso %2; el original sí lo tiene.</translation>
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
        <translation>Ambos</translation>
    </message>
</context>
<context>
    <name>Generalize</name>
    <message>
        <source>Perceptron -- Load A Different File To Test Generalization</source>
        <translation>Perceptrón -- Cargar otro archivo para probar la generalización</translation>
    </message>
    <message>
        <source>If you load a file from this form, then it will replace the file that you have used to train the perceptron.  So make sure that you are finished exploring how the perceptron handles the current file before you load a file from this form!</source>
        <translation>Si cargas un archivo desde esta página, sustituirá al archivo con el que has entrenado el perceptrón.  ¡Así que asegúrate de haber terminado de explorar cómo trata el perceptrón el archivo actual antes de cargar uno desde aquí!</translation>
    </message>
    <message>
        <source>This form can be used to read in a new file that can be presented to the network that has just been trained.  Generalization can be tested by choosing a file here, and then going back to the &quot;TestPerceptron&quot; form to see how the network responds to the new patterns.  The effect of previous learning on new learning can be explored by choosing a file here, and then returning to the &quot;Perceptron&quot; form without resetting the weights.  You can then continue training the network using the new set of patterns.</source>
        <translation>Esta página sirve para leer un archivo nuevo y presentarlo a la red que acabas de entrenar.  Puedes probar la generalización eligiendo aquí un archivo y volviendo luego a la página &quot;TestPerceptron&quot; para ver cómo responde la red a los patrones nuevos.  Puedes explorar el efecto de lo aprendido antes sobre lo que se aprende después eligiendo aquí un archivo y volviendo a la página &quot;Perceptron&quot; sin reiniciar los pesos.  Así puedes seguir entrenando la red con el nuevo conjunto de patrones.</translation>
    </message>
    <message>
        <source>Use &quot;Double Clicks&quot; To Choose A New File For Testing The Current Network</source>
        <translation>Haz &quot;doble clic&quot; para elegir un archivo nuevo con el que probar la red actual</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Datos del archivo</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source># of Output Units:</source>
        <translation>N.º de unidades de salida:</translation>
    </message>
    <message>
        <source># of Input Units:</source>
        <translation>N.º de unidades de entrada:</translation>
    </message>
    <message>
        <source># of Patterns:</source>
        <translation>N.º de patrones:</translation>
    </message>
    <message>
        <source>Read The New File</source>
        <translation>Leer el archivo nuevo</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, un perceptrón para el aula. Escrito por los desarrolladores de Vantorelle para estudiantes que quieren ver cómo aprende una red.</translation>
    </message>
    <message>
        <source>Exit This Form</source>
        <translation>Salir de esta página</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Scrolls the page sideways</source>
        <translation>Desplaza la página a los lados</translation>
    </message>
    <message>
        <source>The page keeps the size it was drawn at. When its window is narrower, this bar moves the controls left and right so you can reach the ones out of sight.</source>
        <translation>La página mantiene el tamaño con que se dibujó. Cuando su ventana es más estrecha, esta barra mueve los controles a izquierda y derecha para que puedas llegar a los que no se ven.</translation>
    </message>
    <message>
        <source>Scrolls the page up and down</source>
        <translation>Desplaza la página arriba y abajo</translation>
    </message>
    <message>
        <source>The page keeps the size it was drawn at. When its window is lower, this bar moves the controls up and down so you can reach the ones out of sight.</source>
        <translation>La página mantiene el tamaño con que se dibujó. Cuando su ventana es más baja, esta barra mueve los controles arriba y abajo para que puedas llegar a los que no se ven.</translation>
    </message>
    <message>
        <source>The corner between the two scroll bars</source>
        <translation>La esquina entre las dos barras de desplazamiento</translation>
    </message>
    <message>
        <source>A blank square where the two scroll bars meet. It shows only when the window is smaller than the page in both directions.</source>
        <translation>Un cuadrado vacío donde se juntan las dos barras de desplazamiento. Solo aparece cuando la ventana es más pequeña que la página en las dos direcciones.</translation>
    </message>
    <message>
        <source>The program&apos;s title</source>
        <translation>El título del programa</translation>
    </message>
    <message>
        <source>The title of the program. Start here: choose a training file below.</source>
        <translation>El título del programa. Empieza aquí: elige abajo un archivo de entrenamiento.</translation>
    </message>
    <message>
        <source>Double-click a file below to read it</source>
        <translation>Haz doble clic en un archivo de abajo para leerlo</translation>
    </message>
    <message>
        <source>Says how to choose the training file: double-click its name in the file list.</source>
        <translation>Explica cómo elegir el archivo de entrenamiento: haz doble clic en su nombre en la lista de archivos.</translation>
    </message>
    <message>
        <source>The drive whose folders are listed below</source>
        <translation>El disco cuyas carpetas se muestran abajo</translation>
    </message>
    <message>
        <source>Choose a drive: the system&apos;s mounted volumes, by their root folders (/, /home, a USB stick under /media). The folder list then shows that drive&apos;s folders.</source>
        <translation>Elige un disco: los volúmenes montados en el sistema, por sus carpetas raíz (/, /home, una memoria USB en /media). La lista de carpetas muestra entonces las carpetas de ese disco.</translation>
    </message>
    <message>
        <source>Folders: double-click one to open it</source>
        <translation>Carpetas: haz doble clic en una para abrirla</translation>
    </message>
    <message>
        <source>The folder you are in and the folders around it. Double-click a folder to go into it, or the one above it to go back up. The file list shows that folder&apos;s files.</source>
        <translation>La carpeta en la que estás y las carpetas de su alrededor. Haz doble clic en una carpeta para entrar en ella, o en la de encima para volver atrás. La lista de archivos muestra los archivos de esa carpeta.</translation>
    </message>
    <message>
        <source>Training files: double-click one to read it</source>
        <translation>Archivos de entrenamiento: haz doble clic en uno para leerlo</translation>
    </message>
    <message>
        <source>The training files (names ending in .net) in the chosen folder. Double-click one to read it: its numbers of output units, input units and patterns appear on the right, and the button to go on to the training set-up page shows.</source>
        <translation>Los archivos de entrenamiento (nombres que terminan en .net) de la carpeta elegida. Haz doble clic en uno para leerlo: a la derecha aparecen sus números de unidades de salida, unidades de entrada y patrones, y se muestra el botón para pasar a la página de ajustes del entrenamiento.</translation>
    </message>
    <message>
        <source>Open a network saved earlier, with its weights and settings</source>
        <translation>Abre una red guardada antes, con sus pesos y ajustes</translation>
    </message>
    <message>
        <source>Opens a network saved with &quot;Save The Trained Network&quot; (a .vnet file): its patterns, settings, weights and status lines come back, the set-up page opens exactly as it was saved, and the note saved with it comes up.</source>
        <translation>Abre una red guardada con &quot;Guardar la red entrenada&quot; (un archivo .vnet): vuelven sus patrones, ajustes, pesos y líneas de estado, la página de ajustes se abre tal como se guardó y aparece la nota guardada con ella.</translation>
    </message>
    <message>
        <source>Make a training set of your own, or edit one</source>
        <translation>Crea un conjunto de entrenamiento propio, o edita uno</translation>
    </message>
    <message>
        <source>Opens the training-set page: type patterns into a table, or generate AND, OR, NAND, XOR, parity, clouds of points or letters, and save them as a training file.</source>
        <translation>Abre la página de conjuntos de entrenamiento: escribe patrones en una tabla, o genera AND, OR, NAND, XOR, paridad, nubes de puntos o letras, y guárdalos como archivo de entrenamiento.</translation>
    </message>
    <message>
        <source>Short guided exercises that set up the training for you</source>
        <translation>Ejercicios guiados cortos que preparan el entrenamiento por ti</translation>
    </message>
    <message>
        <source>Opens the lessons: eight short exercises, from what one unit computes to the letters. Each puts its own training set and settings on the set-up page and walks you through it step by step, with questions and their answers.</source>
        <translation>Abre las lecciones: ocho ejercicios cortos, desde lo que calcula una unidad hasta las letras. Cada uno pone su propio conjunto de entrenamiento y sus ajustes en la página de ajustes y te guía paso a paso, con preguntas y sus respuestas.</translation>
    </message>
    <message>
        <source>What the file read holds</source>
        <translation>Lo que contiene el archivo leído</translation>
    </message>
    <message>
        <source>The heading of the four lines below it: they show what the file you double-clicked contains.</source>
        <translation>El encabezado de las cuatro líneas de debajo: muestran lo que contiene el archivo en el que hiciste doble clic.</translation>
    </message>
    <message>
        <source>Names the box to its right</source>
        <translation>Da nombre al cuadro de su derecha</translation>
    </message>
    <message>
        <source>Each caption names the box to its right: the file&apos;s name, how many output units the network has, how many inputs each pattern has, and how many patterns the file holds.</source>
        <translation>Cada rótulo da nombre al cuadro de su derecha: el nombre del archivo, cuántas unidades de salida tiene la red, cuántas entradas tiene cada patrón y cuántos patrones contiene el archivo.</translation>
    </message>
    <message>
        <source>The name of the file read</source>
        <translation>El nombre del archivo leído</translation>
    </message>
    <message>
        <source>The name of the training file you double-clicked.</source>
        <translation>El nombre del archivo de entrenamiento en el que hiciste doble clic.</translation>
    </message>
    <message>
        <source>How many output units the network has</source>
        <translation>Cuántas unidades de salida tiene la red</translation>
    </message>
    <message>
        <source>The number of output units: how many answers the network gives for each pattern. Each output unit has its own weights and threshold.</source>
        <translation>El número de unidades de salida: cuántas respuestas da la red para cada patrón. Cada unidad de salida tiene sus propios pesos y su propio umbral.</translation>
    </message>
    <message>
        <source>How many inputs each pattern has</source>
        <translation>Cuántas entradas tiene cada patrón</translation>
    </message>
    <message>
        <source>The number of input units: how many numbers each pattern presents to the network. Every output unit has one weight for each input.</source>
        <translation>El número de unidades de entrada: cuántos números presenta cada patrón a la red. Cada unidad de salida tiene un peso por cada entrada.</translation>
    </message>
    <message>
        <source>How many patterns the file holds</source>
        <translation>Cuántos patrones contiene el archivo</translation>
    </message>
    <message>
        <source>The number of patterns: the examples in the file, each with its inputs and the outputs the network should give.</source>
        <translation>El número de patrones: los ejemplos del archivo, cada uno con sus entradas y las salidas que debe dar la red.</translation>
    </message>
    <message>
        <source>Go on to choose the training settings</source>
        <translation>Pasa a elegir los ajustes del entrenamiento</translation>
    </message>
    <message>
        <source>Opens the training set-up page for the file just read, where you choose the learning rule and the other settings and start training. It shows once a file has been read.</source>
        <translation>Abre la página de ajustes del entrenamiento para el archivo recién leído, donde eliges la regla de aprendizaje y los demás ajustes y empiezas a entrenar. Aparece cuando se ha leído un archivo.</translation>
    </message>
    <message>
        <source>Who made this program</source>
        <translation>Quién ha hecho este programa</translation>
    </message>
    <message>
        <source>A short note on the program and its authors.</source>
        <translation>Una nota breve sobre el programa y sus autores.</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Termina el programa</translation>
    </message>
    <message>
        <source>Ends the program and closes all its windows.</source>
        <translation>Termina el programa y cierra todas sus ventanas.</translation>
    </message>
    <message>
        <source>The title of the program. On this page you set up training and watch it run.</source>
        <translation>El título del programa. En esta página preparas el entrenamiento y ves cómo avanza.</translation>
    </message>
    <message>
        <source>How the weights change after each pattern</source>
        <translation>Cómo cambian los pesos después de cada patrón</translation>
    </message>
    <message>
        <source>The learning rule: how each output unit computes its answer and how its weights change after each pattern. Choose one of the three below.</source>
        <translation>La regla de aprendizaje: cómo calcula su respuesta cada unidad de salida y cómo cambian sus pesos después de cada patrón. Elige una de las tres de abajo.</translation>
    </message>
    <message>
        <source>Step units: each answers 0 or 1</source>
        <translation>Unidades escalón: cada una responde 0 o 1</translation>
    </message>
    <message>
        <source>The delta rule with binary output: a unit answers 1 when its net input (the weighted sum of the inputs plus the threshold) is 0 or more, otherwise 0. After each pattern every weight changes by the learning rate times the error times its input. It can learn only what one straight line (one plane) separates: AND and OR, never XOR.</source>
        <translation>La regla delta con salida binaria: una unidad responde 1 cuando su entrada neta (la suma ponderada de las entradas más el umbral) es 0 o más, y si no, 0. Después de cada patrón, cada peso cambia en la tasa de aprendizaje por el error por su entrada. Solo puede aprender lo que separa una línea recta (un plano): AND y OR, nunca XOR.</translation>
    </message>
    <message>
        <source>Sigmoid units: answers between 0 and 1</source>
        <translation>Unidades sigmoides: respuestas entre 0 y 1</translation>
    </message>
    <message>
        <source>Gradient descent with sigmoid output: a unit answers 1 / (1 + e^-net), a smooth number between 0 and 1. Each weight changes by the learning rate times (1 - a) times a times the error times its input, which walks downhill on the squared error.</source>
        <translation>Descenso por gradiente con salida sigmoide: una unidad responde 1 / (1 + e^-net), un número suave entre 0 y 1. Cada peso cambia en la tasa de aprendizaje por (1 - a) por a por el error por su entrada, lo que baja cuesta abajo por el error cuadrático.</translation>
    </message>
    <message>
        <source>Gaussian units: high near one net input, low away from it</source>
        <translation>Unidades gaussianas: alta cerca de una entrada neta, baja lejos de ella</translation>
    </message>
    <message>
        <source>Gradient descent with Gaussian output: a unit answers e^(-pi net^2), which is 1 when the net input is 0 and falls towards 0 on both sides. Its answer is high inside a band, so one unit can learn XOR.</source>
        <translation>Descenso por gradiente con salida gaussiana: una unidad responde e^(-pi net^2), que vale 1 cuando la entrada neta es 0 y baja hacia 0 por los dos lados. Su respuesta es alta dentro de una franja, así que una sola unidad puede aprender XOR.</translation>
    </message>
    <message>
        <source>When training ends</source>
        <translation>Cuándo termina el entrenamiento</translation>
    </message>
    <message>
        <source>Choose one or both ways of ending training. With both, training ends at whichever comes first.</source>
        <translation>Elige una o las dos formas de terminar el entrenamiento. Con las dos, el entrenamiento termina con la que llegue antes.</translation>
    </message>
    <message>
        <source>End after the number of epochs in the box below</source>
        <translation>Termina tras el número de épocas del cuadro de abajo</translation>
    </message>
    <message>
        <source>Training ends after the maximum number of epochs (one epoch presents every pattern once). While it runs, a progress bar shows the epochs done.</source>
        <translation>El entrenamiento termina tras el número máximo de épocas (una época presenta cada patrón una vez). Mientras avanza, una barra de progreso muestra las épocas hechas.</translation>
    </message>
    <message>
        <source>End as soon as every output is a hit</source>
        <translation>Termina en cuanto todas las salidas sean aciertos</translation>
    </message>
    <message>
        <source>Training ends after the first epoch in which every output of every pattern is a hit (its squared error below the hit criterion). A problem the rule cannot learn, like XOR with step units, never ends this way: add the epoch limit or press Stop Training.</source>
        <translation>El entrenamiento termina tras la primera época en la que todas las salidas de todos los patrones son aciertos (su error cuadrático está por debajo del criterio de acierto). Un problema que la regla no puede aprender, como XOR con unidades escalón, nunca termina así: añade el límite de épocas o pulsa &quot;Parar el entrenamiento&quot;.</translation>
    </message>
    <message>
        <source>The most epochs a run trains</source>
        <translation>El máximo de épocas que entrena una ejecución</translation>
    </message>
    <message>
        <source>The maximum number of epochs (whole passes through all the patterns), used when &quot;End After A Maximum Number Of Training Epochs&quot; is ticked. Type a whole number or use the arrows beside it.</source>
        <translation>El número máximo de épocas (pasadas completas por todos los patrones), que se usa cuando está marcado &quot;Terminar tras un número máximo de épocas&quot;. Escribe un número entero o usa las flechas de al lado.</translation>
    </message>
    <message>
        <source>Raise or lower the maximum number of epochs</source>
        <translation>Sube o baja el número máximo de épocas</translation>
    </message>
    <message>
        <source>Each click raises or lowers the maximum number of epochs in the box to its left.</source>
        <translation>Cada clic sube o baja el número máximo de épocas del cuadro de su izquierda.</translation>
    </message>
    <message>
        <source>How often the status lines and the SSE history are updated</source>
        <translation>Cada cuánto se actualizan las líneas de estado y el historial del SSE</translation>
    </message>
    <message>
        <source>Every so many epochs the five status lines below are rewritten and one point is added to the SSE history that the graph and the error curve draw. A small number gives a detailed curve; a large one lets a long run go faster.</source>
        <translation>Cada cierto número de épocas se reescriben las cinco líneas de estado de abajo y se añade un punto al historial del SSE que dibujan la gráfica y la curva de error. Un número pequeño da una curva detallada; uno grande hace que una ejecución larga vaya más rápido.</translation>
    </message>
    <message>
        <source>Raise or lower the printout interval</source>
        <translation>Sube o baja el intervalo entre actualizaciones</translation>
    </message>
    <message>
        <source>Each click raises or lowers the number of epochs between printouts in the box to its left.</source>
        <translation>Cada clic sube o baja el número de épocas entre actualizaciones del cuadro de su izquierda.</translation>
    </message>
    <message>
        <source>How big each weight change is</source>
        <translation>Lo grande que es cada cambio de peso</translation>
    </message>
    <message>
        <source>The learning rate, the factor every weight change is multiplied by. Too small and learning is slow; too large and the weights jump past the answer (a Gaussian unit can even overflow). Type a number or use the slider.</source>
        <translation>La tasa de aprendizaje, el factor por el que se multiplica cada cambio de peso. Si es muy pequeña, aprende despacio; si es muy grande, los pesos se pasan de la respuesta (una unidad gaussiana puede incluso desbordarse). Escribe un número o usa el deslizador.</translation>
    </message>
    <message>
        <source>Slide to choose the learning rate</source>
        <translation>Desliza para elegir la tasa de aprendizaje</translation>
    </message>
    <message>
        <source>Moves the learning rate in the box above from small (left) to large (right).</source>
        <translation>Mueve la tasa de aprendizaje del cuadro de arriba de pequeña (izquierda) a grande (derecha).</translation>
    </message>
    <message>
        <source>How small the squared error must be to count as a hit</source>
        <translation>Lo pequeño que debe ser el error cuadrático para contar como acierto</translation>
    </message>
    <message>
        <source>The hit criterion: an output is a hit when its squared error (the desired output minus the answer, squared) is below this number, and a miss otherwise. The hit and miss counts below, and the all-hits stop, use it.</source>
        <translation>El criterio de acierto: una salida es un acierto cuando su error cuadrático (la salida deseada menos la respuesta, al cuadrado) está por debajo de este número, y si no, es un fallo. Lo usan los recuentos de aciertos y fallos de abajo y la parada con todo aciertos.</translation>
    </message>
    <message>
        <source>Slide to choose the hit criterion</source>
        <translation>Desliza para elegir el criterio de acierto</translation>
    </message>
    <message>
        <source>Moves the hit criterion in the box above from small (left) to large (right).</source>
        <translation>Mueve el criterio de acierto del cuadro de arriba de pequeño (izquierda) a grande (derecha).</translation>
    </message>
    <message>
        <source>The order the patterns are shown in</source>
        <translation>El orden en que se muestran los patrones</translation>
    </message>
    <message>
        <source>Whether each epoch presents the patterns in a new random order or always in the file&apos;s order.</source>
        <translation>Si cada época presenta los patrones en un orden nuevo al azar o siempre en el orden del archivo.</translation>
    </message>
    <message>
        <source>Shuffle the patterns every epoch</source>
        <translation>Mezcla los patrones en cada época</translation>
    </message>
    <message>
        <source>Each epoch presents the patterns in a new random order, so the network does not learn the order of the file.</source>
        <translation>Cada época presenta los patrones en un orden nuevo al azar, para que la red no aprenda el orden del archivo.</translation>
    </message>
    <message>
        <source>Always the file&apos;s order</source>
        <translation>Siempre el orden del archivo</translation>
    </message>
    <message>
        <source>Each epoch presents the patterns in the order of the file, first to last.</source>
        <translation>Cada época presenta los patrones en el orden del archivo, del primero al último.</translation>
    </message>
    <message>
        <source>Whether thresholds learn too</source>
        <translation>Si los umbrales también aprenden</translation>
    </message>
    <message>
        <source>The threshold (or bias) of a unit is added to its net input; it acts like a weight from an input that is always 1.</source>
        <translation>El umbral (o sesgo) de una unidad se suma a su entrada neta; actúa como el peso de una entrada que siempre vale 1.</translation>
    </message>
    <message>
        <source>Thresholds change like weights</source>
        <translation>Los umbrales cambian como los pesos</translation>
    </message>
    <message>
        <source>Each unit&apos;s threshold is trained along with its weights, as the weight of an input that is always 1.</source>
        <translation>El umbral de cada unidad se entrena junto con sus pesos, como el peso de una entrada que siempre vale 1.</translation>
    </message>
    <message>
        <source>Thresholds keep their starting values</source>
        <translation>Los umbrales mantienen sus valores iniciales</translation>
    </message>
    <message>
        <source>The thresholds stay at their starting values and only the weights learn. Try it to see what a threshold is for: a step unit with a threshold of 0 cannot learn AND.</source>
        <translation>Los umbrales se quedan en sus valores iniciales y solo aprenden los pesos. Pruébalo para ver para qué sirve un umbral: una unidad escalón con umbral 0 no puede aprender AND.</translation>
    </message>
    <message>
        <source>How the weights start</source>
        <translation>Cómo empiezan los pesos</translation>
    </message>
    <message>
        <source>Training starts from small random weights. Choose the program&apos;s range or your own.</source>
        <translation>El entrenamiento empieza con pesos pequeños al azar. Elige el rango del programa o el tuyo.</translation>
    </message>
    <message>
        <source>Random weights from the program&apos;s range</source>
        <translation>Pesos al azar en el rango del programa</translation>
    </message>
    <message>
        <source>The weights start at random values between -0.1 and 0.1 (the settings shown under &quot;Current Weight Settings&quot;).</source>
        <translation>Los pesos empiezan con valores al azar entre -0.1 y 0.1 (los ajustes que se ven bajo &quot;Ajustes actuales de los pesos&quot;).</translation>
    </message>
    <message>
        <source>Choose the range and sign of the starting weights</source>
        <translation>Elige el rango y el signo de los pesos iniciales</translation>
    </message>
    <message>
        <source>Opens the weight start page, where you choose the largest and smallest size of the random starting weights and whether they may be positive, negative or both.</source>
        <translation>Abre la página de pesos iniciales, donde eliges el tamaño mayor y el menor de los pesos iniciales al azar y si pueden ser positivos, negativos o ambos.</translation>
    </message>
    <message>
        <source>How the thresholds start</source>
        <translation>Cómo empiezan los umbrales</translation>
    </message>
    <message>
        <source>Training starts from random thresholds. Choose the program&apos;s range or your own.</source>
        <translation>El entrenamiento empieza con umbrales al azar. Elige el rango del programa o el tuyo.</translation>
    </message>
    <message>
        <source>Thresholds from the program&apos;s range</source>
        <translation>Umbrales en el rango del programa</translation>
    </message>
    <message>
        <source>Every threshold starts at 0, the program&apos;s setting shown under &quot;Current Threshold Settings&quot;.</source>
        <translation>Todos los umbrales empiezan en 0, el ajuste del programa que se ve bajo &quot;Ajustes actuales de los umbrales&quot;.</translation>
    </message>
    <message>
        <source>Choose the range and sign of the starting thresholds</source>
        <translation>Elige el rango y el signo de los umbrales iniciales</translation>
    </message>
    <message>
        <source>Opens the threshold start page, where you choose the largest and smallest size of the random starting thresholds and their sign.</source>
        <translation>Abre la página de umbrales iniciales, donde eliges el tamaño mayor y el menor de los umbrales iniciales al azar y su signo.</translation>
    </message>
    <message>
        <source>The range the starting weights are drawn from</source>
        <translation>El rango del que se sacan los pesos iniciales</translation>
    </message>
    <message>
        <source>The heading of the three lines below it: the range and sign the next run&apos;s random starting weights are drawn from.</source>
        <translation>El encabezado de las tres líneas de debajo: el rango y el signo de los que se sacan los pesos iniciales al azar de la próxima ejecución.</translation>
    </message>
    <message>
        <source>The largest size a starting weight can have</source>
        <translation>El tamaño mayor que puede tener un peso inicial</translation>
    </message>
    <message>
        <source>The largest absolute value a random starting weight can have.</source>
        <translation>El valor absoluto mayor que puede tener un peso inicial al azar.</translation>
    </message>
    <message>
        <source>The smallest size a starting weight can have</source>
        <translation>El tamaño menor que puede tener un peso inicial</translation>
    </message>
    <message>
        <source>The smallest absolute value a random starting weight can have.</source>
        <translation>El valor absoluto menor que puede tener un peso inicial al azar.</translation>
    </message>
    <message>
        <source>Whether starting weights are positive, negative or both</source>
        <translation>Si los pesos iniciales son positivos, negativos o ambos</translation>
    </message>
    <message>
        <source>The sign of the random starting weights: positive and negative, only positive, or only negative.</source>
        <translation>El signo de los pesos iniciales al azar: positivos y negativos, solo positivos o solo negativos.</translation>
    </message>
    <message>
        <source>The range the starting thresholds are drawn from</source>
        <translation>El rango del que se sacan los umbrales iniciales</translation>
    </message>
    <message>
        <source>The heading of the three lines below it: the range and sign the next run&apos;s random starting thresholds are drawn from.</source>
        <translation>El encabezado de las tres líneas de debajo: el rango y el signo de los que se sacan los umbrales iniciales al azar de la próxima ejecución.</translation>
    </message>
    <message>
        <source>The largest size a starting threshold can have</source>
        <translation>El tamaño mayor que puede tener un umbral inicial</translation>
    </message>
    <message>
        <source>The largest absolute value a random starting threshold can have.</source>
        <translation>El valor absoluto mayor que puede tener un umbral inicial al azar.</translation>
    </message>
    <message>
        <source>The smallest size a starting threshold can have</source>
        <translation>El tamaño menor que puede tener un umbral inicial</translation>
    </message>
    <message>
        <source>The smallest absolute value a random starting threshold can have.</source>
        <translation>El valor absoluto menor que puede tener un umbral inicial al azar.</translation>
    </message>
    <message>
        <source>Whether starting thresholds are positive, negative or both</source>
        <translation>Si los umbrales iniciales son positivos, negativos o ambos</translation>
    </message>
    <message>
        <source>The sign of the random starting thresholds: positive and negative, only positive, or only negative.</source>
        <translation>El signo de los umbrales iniciales al azar: positivos y negativos, solo positivos o solo negativos.</translation>
    </message>
    <message>
        <source>A number that repeats a run exactly; empty for a new one</source>
        <translation>Un número que repite una ejecución exactamente; vacío para una nueva</translation>
    </message>
    <message>
        <source>The random seed decides the starting weights and the pattern order. Type a whole number to make a run you can repeat exactly (the same seed and settings give the same numbers). Leave it empty and each run takes a seed from the clock.</source>
        <translation>La semilla al azar decide los pesos iniciales y el orden de los patrones. Escribe un número entero para hacer una ejecución que puedas repetir exactamente (la misma semilla y los mismos ajustes dan los mismos números). Déjala vacía y cada ejecución toma una semilla del reloj.</translation>
    </message>
    <message>
        <source>The seed the last run used</source>
        <translation>La semilla que usó la última ejecución</translation>
    </message>
    <message>
        <source>The seed of the last run. Type it into the seed box to run it again exactly.</source>
        <translation>La semilla de la última ejecución. Escríbela en el cuadro de la semilla para repetirla exactamente.</translation>
    </message>
    <message>
        <source>Opens a window beside this page for training one pattern or one epoch at a time, with the rule&apos;s arithmetic written out for one output unit and every weight before and after.</source>
        <translation>Abre una ventana junto a esta página para entrenar un patrón o una época cada vez, con las cuentas de la regla escritas para una unidad de salida y cada peso antes y después.</translation>
    </message>
    <message>
        <source>Opens a window that trains these settings once from each seed of a range, on every core, and lists the epochs, hits and total SSE of each run with a summary. This page and its network stay as they are.</source>
        <translation>Abre una ventana que entrena estos ajustes una vez con cada semilla de un rango, en todos los núcleos, y muestra las épocas, los aciertos y el SSE total de cada ejecución con un resumen. Esta página y su red se quedan como están.</translation>
    </message>
    <message>
        <source>Train on from the current weights</source>
        <translation>Sigue entrenando desde los pesos actuales</translation>
    </message>
    <message>
        <source>Continues training from the weights the last run left, counting on from its epochs. The settings are checked first.</source>
        <translation>Sigue entrenando desde los pesos que dejó la última ejecución, contando a partir de sus épocas. Antes se comprueban los ajustes.</translation>
    </message>
    <message>
        <source>Examine the trained network</source>
        <translation>Examina la red entrenada</translation>
    </message>
    <message>
        <source>Opens the testing hub, with ways to probe, graph, view, save and export the trained network.</source>
        <translation>Abre la página de pruebas, con formas de probar, dibujar, ver, guardar y exportar la red entrenada.</translation>
    </message>
    <message>
        <source>Start a new run from new starting weights</source>
        <translation>Empieza una ejecución nueva con pesos iniciales nuevos</translation>
    </message>
    <message>
        <source>Checks the settings, draws new starting weights and thresholds, and trains until a chosen end is reached. The status lines show the progress.</source>
        <translation>Comprueba los ajustes, saca pesos y umbrales iniciales nuevos y entrena hasta llegar a un final elegido. Las líneas de estado muestran el progreso.</translation>
    </message>
    <message>
        <source>Ends the run after the epoch it is in (Escape does the same). The weights stay as they are, so you can examine them or continue training.</source>
        <translation>Termina la ejecución tras la época en la que está (Escape hace lo mismo). Los pesos se quedan como están, así que puedes examinarlos o seguir entrenando.</translation>
    </message>
    <message>
        <source>The training file in use</source>
        <translation>El archivo de entrenamiento en uso</translation>
    </message>
    <message>
        <source>The name of the training file the network trains on.</source>
        <translation>El nombre del archivo de entrenamiento con el que se entrena la red.</translation>
    </message>
    <message>
        <source>Status: the epochs trained</source>
        <translation>Estado: las épocas entrenadas</translation>
    </message>
    <message>
        <source>How many epochs (passes through all the patterns) the network has trained, updated at every printout.</source>
        <translation>Cuántas épocas (pasadas por todos los patrones) ha entrenado la red; se actualiza cada cierto número de épocas.</translation>
    </message>
    <message>
        <source>Status: the total SSE</source>
        <translation>Estado: el SSE total</translation>
    </message>
    <message>
        <source>The total sum of squared errors: for every pattern and every output, the desired output minus the answer, squared, all added up. 0 means every answer is exact.</source>
        <translation>La suma total de los errores al cuadrado: para cada patrón y cada salida, la salida deseada menos la respuesta, al cuadrado, y todo sumado. 0 significa que todas las respuestas son exactas.</translation>
    </message>
    <message>
        <source>Status: how the SSE changed since the last printout</source>
        <translation>Estado: cuánto ha cambiado el SSE desde la última actualización</translation>
    </message>
    <message>
        <source>The change in the total SSE since the last printout, in scientific notation. A positive number means the error fell. While a run goes on, its background is green when the error fell or stayed and red when it rose.</source>
        <translation>El cambio del SSE total desde la última actualización, en notación científica. Un número positivo significa que el error bajó. Mientras avanza una ejecución, su fondo es verde cuando el error bajó o se quedó igual y rojo cuando subió.</translation>
    </message>
    <message>
        <source>Status: the hits</source>
        <translation>Estado: los aciertos</translation>
    </message>
    <message>
        <source>How many outputs (over all patterns) are hits: squared error below the hit criterion. At the end its background turns green when every output is a hit, red otherwise.</source>
        <translation>Cuántas salidas (de todos los patrones) son aciertos: error cuadrático por debajo del criterio de acierto. Al final su fondo se vuelve verde cuando todas las salidas son aciertos, y rojo si no.</translation>
    </message>
    <message>
        <source>Status: the misses</source>
        <translation>Estado: los fallos</translation>
    </message>
    <message>
        <source>How many outputs (over all patterns) are misses: squared error at or above the hit criterion.</source>
        <translation>Cuántas salidas (de todos los patrones) son fallos: error cuadrático igual o mayor que el criterio de acierto.</translation>
    </message>
    <message>
        <source>The epochs done in this run</source>
        <translation>Las épocas hechas en esta ejecución</translation>
    </message>
    <message>
        <source>While a run with an epoch limit trains, this bar fills from 0 to the maximum number of epochs.</source>
        <translation>Mientras entrena una ejecución con límite de épocas, esta barra se llena de 0 al número máximo de épocas.</translation>
    </message>
    <message>
        <source>What this page sets</source>
        <translation>Qué fija esta página</translation>
    </message>
    <message>
        <source>The random starting weights are drawn from the range set below, with the sign chosen below it.</source>
        <translation>Los pesos iniciales al azar se sacan del rango fijado abajo, con el signo elegido debajo de él.</translation>
    </message>
    <message>
        <source>The largest absolute value of a random starting weight. Type a number or use the slider beside it.</source>
        <translation>El valor absoluto mayor de un peso inicial al azar. Escribe un número o usa el deslizador de al lado.</translation>
    </message>
    <message>
        <source>Slide to choose the largest starting weight</source>
        <translation>Desliza para elegir el peso inicial mayor</translation>
    </message>
    <message>
        <source>Sets the largest absolute value of a starting weight in the box beside it.</source>
        <translation>Fija el valor absoluto mayor de un peso inicial en el cuadro de al lado.</translation>
    </message>
    <message>
        <source>The smallest absolute value of a random starting weight. It must not be above the largest. Type a number or use the slider beside it.</source>
        <translation>El valor absoluto menor de un peso inicial al azar. No debe ser mayor que el mayor. Escribe un número o usa el deslizador de al lado.</translation>
    </message>
    <message>
        <source>Slide to choose the smallest starting weight</source>
        <translation>Desliza para elegir el peso inicial menor</translation>
    </message>
    <message>
        <source>Sets the smallest absolute value of a starting weight in the box beside it.</source>
        <translation>Fija el valor absoluto menor de un peso inicial en el cuadro de al lado.</translation>
    </message>
    <message>
        <source>The sign of the starting weights</source>
        <translation>El signo de los pesos iniciales</translation>
    </message>
    <message>
        <source>Whether the random starting weights may be positive and negative, only positive, or only negative.</source>
        <translation>Si los pesos iniciales al azar pueden ser positivos y negativos, solo positivos o solo negativos.</translation>
    </message>
    <message>
        <source>Starting weights of either sign</source>
        <translation>Pesos iniciales de cualquier signo</translation>
    </message>
    <message>
        <source>Each starting weight is positive or negative at random.</source>
        <translation>Cada peso inicial es positivo o negativo al azar.</translation>
    </message>
    <message>
        <source>Only positive starting weights</source>
        <translation>Solo pesos iniciales positivos</translation>
    </message>
    <message>
        <source>Every starting weight is positive.</source>
        <translation>Todos los pesos iniciales son positivos.</translation>
    </message>
    <message>
        <source>Only negative starting weights</source>
        <translation>Solo pesos iniciales negativos</translation>
    </message>
    <message>
        <source>Every starting weight is negative.</source>
        <translation>Todos los pesos iniciales son negativos.</translation>
    </message>
    <message>
        <source>Use these settings and go back</source>
        <translation>Usa estos ajustes y vuelve</translation>
    </message>
    <message>
        <source>Keeps the range and sign chosen here for the next run and returns to the set-up page.</source>
        <translation>Guarda el rango y el signo elegidos aquí para la próxima ejecución y vuelve a la página de ajustes.</translation>
    </message>
    <message>
        <source>Go back with the program&apos;s settings</source>
        <translation>Vuelve con los ajustes del programa</translation>
    </message>
    <message>
        <source>Returns to the set-up page with the program&apos;s own starting settings (Escape does the same).</source>
        <translation>Vuelve a la página de ajustes con los ajustes iniciales propios del programa (Escape hace lo mismo).</translation>
    </message>
    <message>
        <source>The random starting thresholds are drawn from the range set below, with the sign chosen below it.</source>
        <translation>Los umbrales iniciales al azar se sacan del rango fijado abajo, con el signo elegido debajo de él.</translation>
    </message>
    <message>
        <source>The largest absolute value of a random starting threshold. Type a number or use the slider beside it.</source>
        <translation>El valor absoluto mayor de un umbral inicial al azar. Escribe un número o usa el deslizador de al lado.</translation>
    </message>
    <message>
        <source>Slide to choose the largest starting threshold</source>
        <translation>Desliza para elegir el umbral inicial mayor</translation>
    </message>
    <message>
        <source>Sets the largest absolute value of a starting threshold in the box beside it.</source>
        <translation>Fija el valor absoluto mayor de un umbral inicial en el cuadro de al lado.</translation>
    </message>
    <message>
        <source>The smallest absolute value of a random starting threshold. It must not be above the largest. Type a number or use the slider beside it.</source>
        <translation>El valor absoluto menor de un umbral inicial al azar. No debe ser mayor que el mayor. Escribe un número o usa el deslizador de al lado.</translation>
    </message>
    <message>
        <source>Slide to choose the smallest starting threshold</source>
        <translation>Desliza para elegir el umbral inicial menor</translation>
    </message>
    <message>
        <source>Sets the smallest absolute value of a starting threshold in the box beside it.</source>
        <translation>Fija el valor absoluto menor de un umbral inicial en el cuadro de al lado.</translation>
    </message>
    <message>
        <source>The sign of the starting thresholds</source>
        <translation>El signo de los umbrales iniciales</translation>
    </message>
    <message>
        <source>Whether the random starting thresholds may be positive and negative, only positive, or only negative.</source>
        <translation>Si los umbrales iniciales al azar pueden ser positivos y negativos, solo positivos o solo negativos.</translation>
    </message>
    <message>
        <source>Starting thresholds of either sign</source>
        <translation>Umbrales iniciales de cualquier signo</translation>
    </message>
    <message>
        <source>Each starting threshold is positive or negative at random.</source>
        <translation>Cada umbral inicial es positivo o negativo al azar.</translation>
    </message>
    <message>
        <source>Only positive starting thresholds</source>
        <translation>Solo umbrales iniciales positivos</translation>
    </message>
    <message>
        <source>Every starting threshold is positive.</source>
        <translation>Todos los umbrales iniciales son positivos.</translation>
    </message>
    <message>
        <source>Only negative starting thresholds</source>
        <translation>Solo umbrales iniciales negativos</translation>
    </message>
    <message>
        <source>Every starting threshold is negative.</source>
        <translation>Todos los umbrales iniciales son negativos.</translation>
    </message>
    <message>
        <source>Ways to examine the trained network</source>
        <translation>Formas de examinar la red entrenada</translation>
    </message>
    <message>
        <source>Double-click an item of the list below (or select it and press Enter) to examine the trained network.</source>
        <translation>Haz doble clic en una opción de la lista de abajo (o selecciónala y pulsa Intro) para examinar la red entrenada.</translation>
    </message>
    <message>
        <source>Double-click an item to examine the network</source>
        <translation>Haz doble clic en una opción para examinar la red</translation>
    </message>
    <message>
        <source>Ways to examine the trained network: probe single patterns, save or export a summary, graph the error, view the weights, save the network, compare the runs kept so far, or count hits and misses.</source>
        <translation>Formas de examinar la red entrenada: probar patrones sueltos, guardar o exportar un resumen, dibujar el error, ver los pesos, guardar la red, comparar las ejecuciones guardadas hasta ahora o contar aciertos y fallos.</translation>
    </message>
    <message>
        <source>Present patterns one at a time and read the answers</source>
        <translation>Presenta los patrones de uno en uno y lee las respuestas</translation>
    </message>
    <message>
        <source>Opens the probe page: choose a pattern and see its inputs, the network&apos;s answer, the desired output and the error.</source>
        <translation>Abre la página de prueba: elige un patrón y mira sus entradas, la respuesta de la red, la salida deseada y el error.</translation>
    </message>
    <message>
        <source>Build a spreadsheet summary of the run</source>
        <translation>Crea un resumen de la ejecución en una hoja de cálculo</translation>
    </message>
    <message>
        <source>Writes a workbook of seven sheets (general information, responses, errors, weights, SSE history, desired outputs, inputs) and opens it in your spreadsheet program.</source>
        <translation>Escribe un libro de siete hojas (datos generales, respuestas, errores, pesos, historial del SSE, salidas deseadas, entradas) y lo abre en tu programa de hojas de cálculo.</translation>
    </message>
    <message>
        <source>Save a text report of the run</source>
        <translation>Guarda un informe de texto de la ejecución</translation>
    </message>
    <message>
        <source>Opens the save-results page, where you choose a file and the sections of a text report.</source>
        <translation>Abre la página para guardar resultados, donde eliges un archivo y las secciones de un informe de texto.</translation>
    </message>
    <message>
        <source>Graph the total SSE over the run</source>
        <translation>Dibuja el SSE total a lo largo de la ejecución</translation>
    </message>
    <message>
        <source>Opens the SSE graph: one bar per recorded total SSE, labelled with its epoch.</source>
        <translation>Abre la gráfica del SSE: una barra por cada SSE total guardado, con su época como etiqueta.</translation>
    </message>
    <message>
        <source>See the weights, the decision plane and the error curve</source>
        <translation>Mira los pesos, el plano de decisión y la curva de error</translation>
    </message>
    <message>
        <source>Opens the network view: each unit&apos;s weights as coloured cells, the decision plane of two-input problems, and the error curve. It follows later runs.</source>
        <translation>Abre la vista de la red: los pesos de cada unidad como celdas de colores, el plano de decisión de los problemas de dos entradas y la curva de error. Sigue a las ejecuciones posteriores.</translation>
    </message>
    <message>
        <source>Save the network with its weights and settings</source>
        <translation>Guarda la red con sus pesos y ajustes</translation>
    </message>
    <message>
        <source>Saves the trained network (its patterns, settings, weights, SSE history and a note of yours) to a .vnet file that &quot;Open A Saved Network&quot; brings back exactly as it was.</source>
        <translation>Guarda la red entrenada (sus patrones, ajustes, pesos, historial del SSE y una nota tuya) en un archivo .vnet que &quot;Abrir una red guardada&quot; devuelve tal como estaba.</translation>
    </message>
    <message>
        <source>Lay the runs of this sitting side by side</source>
        <translation>Pon una junto a otra las ejecuciones de esta sesión</translation>
    </message>
    <message>
        <source>Opens the compare page: every run trained since the program started is kept there, with its settings, seed, weights and total SSE after every epoch. Tick two or more to see their error curves on one graph, their settings side by side, their decision planes and their confusion tables.</source>
        <translation>Abre la página de comparación: ahí se guarda cada ejecución entrenada desde que se inició el programa, con sus ajustes, semilla, pesos y SSE total tras cada época. Marca dos o más para ver sus curvas de error en una gráfica, sus ajustes uno junto a otro, sus planos de decisión y sus tablas de confusión.</translation>
    </message>
    <message>
        <source>Count the network&apos;s hits and misses</source>
        <translation>Cuenta los aciertos y fallos de la red</translation>
    </message>
    <message>
        <source>Opens the confusion tables: each output unit&apos;s hits and misses and, when every pattern wants exactly one unit on, which class the network answered against the class wanted, with the accuracy. For the training file and for the file the network was last tested on.</source>
        <translation>Abre las tablas de confusión: los aciertos y fallos de cada unidad de salida y, cuando cada patrón pide exactamente una unidad encendida, qué clase respondió la red frente a la clase deseada, con la exactitud. Para el archivo de entrenamiento y para el último archivo con el que se probó la red.</translation>
    </message>
    <message>
        <source>Status of the spreadsheet export</source>
        <translation>Estado de la exportación a hoja de cálculo</translation>
    </message>
    <message>
        <source>While a workbook is built it asks you to be patient; afterwards it says where the file went.</source>
        <translation>Mientras se crea el libro, te pide paciencia; después dice dónde se guardó el archivo.</translation>
    </message>
    <message>
        <source>Progress of the spreadsheet export</source>
        <translation>Progreso de la exportación a hoja de cálculo</translation>
    </message>
    <message>
        <source>Fills while the workbook is being built.</source>
        <translation>Se llena mientras se crea el libro de la hoja de cálculo.</translation>
    </message>
    <message>
        <source>Ways to go on training</source>
        <translation>Formas de seguir entrenando</translation>
    </message>
    <message>
        <source>Double-click an item of the list below (or select it and press Enter) to go on training.</source>
        <translation>Haz doble clic en una opción de la lista de abajo (o selecciónala y pulsa Intro) para seguir entrenando.</translation>
    </message>
    <message>
        <source>Double-click an item to go on training</source>
        <translation>Haz doble clic en una opción para seguir entrenando</translation>
    </message>
    <message>
        <source>Ways to go on: train again, continue, take a new problem, test on new patterns, open a saved network, or make a training set.</source>
        <translation>Formas de seguir: entrenar de nuevo, continuar, tomar un problema nuevo, probar con patrones nuevos, abrir una red guardada o crear un conjunto de entrenamiento.</translation>
    </message>
    <message>
        <source>Start again from new random weights</source>
        <translation>Empieza de nuevo con pesos nuevos al azar</translation>
    </message>
    <message>
        <source>Goes back to the set-up page; Start Training there begins from new random starting weights.</source>
        <translation>Vuelve a la página de ajustes; allí &quot;Empezar a entrenar&quot; empieza con pesos iniciales nuevos al azar.</translation>
    </message>
    <message>
        <source>Go on training from the weights as they are</source>
        <translation>Sigue entrenando con los pesos tal como están</translation>
    </message>
    <message>
        <source>Goes back to the set-up page with the totals recomputed for the current weights; Continue Training goes on from them.</source>
        <translation>Vuelve a la página de ajustes con los totales recalculados para los pesos actuales; &quot;Seguir entrenando&quot; continúa a partir de ellos.</translation>
    </message>
    <message>
        <source>Choose another training file</source>
        <translation>Elige otro archivo de entrenamiento</translation>
    </message>
    <message>
        <source>Goes back to the load-file page to train a new network on another file.</source>
        <translation>Vuelve a la página de cargar archivo para entrenar una red nueva con otro archivo.</translation>
    </message>
    <message>
        <source>Test this network on another file&apos;s patterns</source>
        <translation>Prueba esta red con los patrones de otro archivo</translation>
    </message>
    <message>
        <source>Opens the generalization page: read a file with the same numbers of inputs and outputs in place of the training patterns. The weights stay.</source>
        <translation>Abre la página de generalización: lee un archivo con los mismos números de entradas y salidas en lugar de los patrones de entrenamiento. Los pesos se quedan.</translation>
    </message>
    <message>
        <source>Open a network saved earlier</source>
        <translation>Abre una red guardada antes</translation>
    </message>
    <message>
        <source>Opens a saved network (.vnet file) on the set-up page exactly as it was saved: its patterns, settings, weights and status lines. &quot;Continue Training&quot; goes on from there.</source>
        <translation>Abre una red guardada (archivo .vnet) en la página de ajustes tal como se guardó: sus patrones, ajustes, pesos y líneas de estado. &quot;Seguir entrenando&quot; continúa desde ahí.</translation>
    </message>
    <message>
        <source>Make or edit a training set</source>
        <translation>Crea o edita un conjunto de entrenamiento</translation>
    </message>
    <message>
        <source>Opens the training-set page on the patterns of the file read last.</source>
        <translation>Abre la página de conjuntos de entrenamiento con los patrones del último archivo leído.</translation>
    </message>
    <message>
        <source>Or end the program</source>
        <translation>O termina el programa</translation>
    </message>
    <message>
        <source>The button below it ends the program.</source>
        <translation>El botón de debajo termina el programa.</translation>
    </message>
    <message>
        <source>Close the set-up page and this hub</source>
        <translation>Cierra la página de ajustes y esta página</translation>
    </message>
    <message>
        <source>Closes the set-up page and this hub; the pages opened from the hub stay until you close them.</source>
        <translation>Cierra la página de ajustes y esta página de pruebas; las páginas abiertas desde aquí siguen abiertas hasta que las cierres.</translation>
    </message>
    <message>
        <source>What this page does</source>
        <translation>Qué hace esta página</translation>
    </message>
    <message>
        <source>Present single patterns to the trained network and read its answers.</source>
        <translation>Presenta patrones sueltos a la red entrenada y lee sus respuestas.</translation>
    </message>
    <message>
        <source>Choose a pattern on the left, then press Ok</source>
        <translation>Elige un patrón a la izquierda y pulsa Aceptar</translation>
    </message>
    <message>
        <source>Choose a pattern&apos;s number with the box and its arrows to the left, then press Ok.</source>
        <translation>Elige el número de un patrón con el cuadro y sus flechas de la izquierda y pulsa Aceptar.</translation>
    </message>
    <message>
        <source>The number of the pattern to present</source>
        <translation>El número del patrón que se presenta</translation>
    </message>
    <message>
        <source>The number of a pattern of the current file, from 1 to the number of patterns. Anything else is refused with a message naming the allowed range.</source>
        <translation>El número de un patrón del archivo actual, de 1 al número de patrones. Cualquier otro se rechaza con un mensaje que dice el rango permitido.</translation>
    </message>
    <message>
        <source>Next or previous pattern</source>
        <translation>Patrón siguiente o anterior</translation>
    </message>
    <message>
        <source>Raises or lowers the pattern number in the box to its left.</source>
        <translation>Sube o baja el número de patrón del cuadro de su izquierda.</translation>
    </message>
    <message>
        <source>Present the pattern and show the result</source>
        <translation>Presenta el patrón y muestra el resultado</translation>
    </message>
    <message>
        <source>Presents the chosen pattern to the network. A block goes to the top of the window below: the pattern&apos;s inputs, each output unit&apos;s answer, the desired output and the error (desired minus answer).</source>
        <translation>Presenta el patrón elegido a la red. Se añade un bloque arriba en la ventana de abajo: las entradas del patrón, la respuesta de cada unidad de salida, la salida deseada y el error (deseada menos respuesta).</translation>
    </message>
    <message>
        <source>The results of the patterns probed, newest first</source>
        <translation>Los resultados de los patrones probados, los más nuevos primero</translation>
    </message>
    <message>
        <source>One block per pattern probed: its inputs, the network&apos;s response, the desired output and the error of each output unit. You can select and copy the text.</source>
        <translation>Un bloque por cada patrón probado: sus entradas, la respuesta de la red, la salida deseada y el error de cada unidad de salida. Puedes seleccionar y copiar el texto.</translation>
    </message>
    <message>
        <source>Empty the results window</source>
        <translation>Vacía la ventana de resultados</translation>
    </message>
    <message>
        <source>Removes every result from the window.</source>
        <translation>Quita todos los resultados de la ventana.</translation>
    </message>
    <message>
        <source>Print the results</source>
        <translation>Imprime los resultados</translation>
    </message>
    <message>
        <source>Prints the results on the default printer, headed with the training file&apos;s name (a PDF file where there is no printer).</source>
        <translation>Imprime los resultados en la impresora predeterminada, con el nombre del archivo de entrenamiento como encabezado (un archivo PDF si no hay impresora).</translation>
    </message>
    <message>
        <source>Close this page</source>
        <translation>Cierra esta página</translation>
    </message>
    <message>
        <source>Closes the probe page; it asks first when the window holds results.</source>
        <translation>Cierra la página de prueba; si la ventana tiene resultados, pregunta antes.</translation>
    </message>
    <message>
        <source>Read a new file of patterns and present it to the trained network, to see how well it does on patterns it was not trained on.</source>
        <translation>Lee un archivo nuevo de patrones y preséntalo a la red entrenada para ver lo bien que responde a patrones con los que no se entrenó.</translation>
    </message>
    <message>
        <source>The new file replaces the old one</source>
        <translation>El archivo nuevo sustituye al antiguo</translation>
    </message>
    <message>
        <source>The new file&apos;s patterns take the place of the training patterns; the weights stay. Its numbers of inputs and outputs must match the network&apos;s.</source>
        <translation>Los patrones del archivo nuevo ocupan el lugar de los patrones de entrenamiento; los pesos se quedan. Sus números de entradas y salidas deben coincidir con los de la red.</translation>
    </message>
    <message>
        <source>Double-click a file below to check it</source>
        <translation>Haz doble clic en un archivo de abajo para comprobarlo</translation>
    </message>
    <message>
        <source>Says how to choose the new file: double-click its name in the file list.</source>
        <translation>Explica cómo elegir el archivo nuevo: haz doble clic en su nombre en la lista de archivos.</translation>
    </message>
    <message>
        <source>Files: double-click one to check it against the network</source>
        <translation>Archivos: haz doble clic en uno para comprobarlo con la red</translation>
    </message>
    <message>
        <source>The files (names ending in .net) in the chosen folder. Double-click one to see its numbers; when its inputs and outputs match the network&apos;s, &quot;Read The New File&quot; becomes available.</source>
        <translation>Los archivos (nombres que terminan en .net) de la carpeta elegida. Haz doble clic en uno para ver sus números; cuando sus entradas y salidas coinciden con las de la red, se puede usar &quot;Leer el archivo nuevo&quot;.</translation>
    </message>
    <message>
        <source>The name of the new file you double-clicked.</source>
        <translation>El nombre del archivo nuevo en el que hiciste doble clic.</translation>
    </message>
    <message>
        <source>Put the new file&apos;s patterns in place of the old</source>
        <translation>Pon los patrones del archivo nuevo en lugar de los antiguos</translation>
    </message>
    <message>
        <source>Reads the new file&apos;s patterns into the network in place of the training patterns. The weights stay, so the probe, graph and save pages now show how the network does on them.</source>
        <translation>Lee los patrones del archivo nuevo en la red en lugar de los patrones de entrenamiento. Los pesos se quedan, así que las páginas de prueba, gráfica y guardar muestran ahora cómo responde la red a ellos.</translation>
    </message>
    <message>
        <source>Closes the page and changes nothing unless the new file was read.</source>
        <translation>Cierra la página y no cambia nada a menos que se haya leído el archivo nuevo.</translation>
    </message>
    <message>
        <source>The total SSE at every printout of the run</source>
        <translation>El SSE total en cada actualización de la ejecución</translation>
    </message>
    <message>
        <source>One bar per recorded total SSE (sum of squared errors over all patterns and outputs), labelled with the epoch it was recorded at. A curve that falls to near 0 shows the network learning; one that stays high shows it cannot.</source>
        <translation>Una barra por cada SSE total guardado (suma de los errores al cuadrado de todos los patrones y salidas), con la época en la que se guardó como etiqueta. Una curva que baja hasta cerca de 0 muestra que la red aprende; una que se queda alta muestra que no puede.</translation>
    </message>
    <message>
        <source>How to work with the numbers</source>
        <translation>Cómo trabajar con los números</translation>
    </message>
    <message>
        <source>Says how to get the numbers behind the graph: &quot;Create A Summary In Excel&quot; on the hub writes them to a sheet of the workbook (the text report&apos;s SSE section holds them too), to chart in other programs.</source>
        <translation>Explica cómo conseguir los números de la gráfica: &quot;Crear un resumen en Excel&quot; en la página de pruebas los escribe en una hoja del libro (la sección de SSE del informe de texto también los tiene), para hacer gráficos en otros programas.</translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation>Imprime la gráfica</translation>
    </message>
    <message>
        <source>Copies the graph to the clipboard and prints it on the default printer (a PDF file where there is no printer).</source>
        <translation>Copia la gráfica al portapapeles y la imprime en la impresora predeterminada (un archivo PDF si no hay impresora).</translation>
    </message>
    <message>
        <source>Closes the graph.</source>
        <translation>Cierra la gráfica.</translation>
    </message>
    <message>
        <source>The title of the program. On this page you save a text report of the run.</source>
        <translation>El título del programa. En esta página guardas un informe de texto de la ejecución.</translation>
    </message>
    <message>
        <source>Choose where to save, then the file&apos;s name</source>
        <translation>Elige dónde guardar y luego el nombre del archivo</translation>
    </message>
    <message>
        <source>Choose a folder with the lists below, then click an existing .txt file or make a new name.</source>
        <translation>Elige una carpeta con las listas de abajo y luego haz clic en un archivo .txt existente o crea un nombre nuevo.</translation>
    </message>
    <message>
        <source>Tick the sections the report should hold</source>
        <translation>Marca las secciones que debe tener el informe</translation>
    </message>
    <message>
        <source>The boxes below choose the sections of the report. They are written in a fixed order whatever you tick.</source>
        <translation>Las casillas de abajo eligen las secciones del informe. Se escriben en un orden fijo, marques lo que marques.</translation>
    </message>
    <message>
        <source>Text files: click one to save to it</source>
        <translation>Archivos de texto: haz clic en uno para guardar en él</translation>
    </message>
    <message>
        <source>The .txt files of the chosen folder. Click one to save the report to it (it is replaced only after you answer Yes).</source>
        <translation>Los archivos .txt de la carpeta elegida. Haz clic en uno para guardar en él el informe (solo se sustituye después de que respondas Sí).</translation>
    </message>
    <message>
        <source>Make a new folder here</source>
        <translation>Crea una carpeta nueva aquí</translation>
    </message>
    <message>
        <source>Asks for a name and makes a new folder in the folder shown.</source>
        <translation>Pide un nombre y crea una carpeta nueva en la carpeta mostrada.</translation>
    </message>
    <message>
        <source>Type the name of a new file</source>
        <translation>Escribe el nombre de un archivo nuevo</translation>
    </message>
    <message>
        <source>Asks for a new file name; .txt is added unless the name ends in exactly .txt.</source>
        <translation>Pide un nombre de archivo nuevo; se añade .txt salvo que el nombre termine exactamente en .txt.</translation>
    </message>
    <message>
        <source>Section: the training settings</source>
        <translation>Sección: los ajustes del entrenamiento</translation>
    </message>
    <message>
        <source>The general information: the training file, the date, the learning rule, the learning rate, the epochs and the other settings of the run.</source>
        <translation>Los datos generales: el archivo de entrenamiento, la fecha, la regla de aprendizaje, la tasa de aprendizaje, las épocas y los demás ajustes de la ejecución.</translation>
    </message>
    <message>
        <source>Section: every output&apos;s answer to every pattern</source>
        <translation>Sección: la respuesta de cada salida a cada patrón</translation>
    </message>
    <message>
        <source>The network responses: the answer of every output unit to every pattern.</source>
        <translation>Las respuestas de la red: la respuesta de cada unidad de salida a cada patrón.</translation>
    </message>
    <message>
        <source>Section: the errors</source>
        <translation>Sección: los errores</translation>
    </message>
    <message>
        <source>The network errors: the total error and the error of every output unit for every pattern.</source>
        <translation>Los errores de la red: el error total y el error de cada unidad de salida para cada patrón.</translation>
    </message>
    <message>
        <source>Section: the weights and thresholds</source>
        <translation>Sección: los pesos y los umbrales</translation>
    </message>
    <message>
        <source>The connection weights: each output unit&apos;s type and threshold, and the table of weights from every input to every output.</source>
        <translation>Los pesos de las conexiones: el tipo y el umbral de cada unidad de salida, y la tabla de pesos de cada entrada a cada salida.</translation>
    </message>
    <message>
        <source>Section: the input patterns</source>
        <translation>Sección: los patrones de entrada</translation>
    </message>
    <message>
        <source>The input patterns of the file.</source>
        <translation>Los patrones de entrada del archivo.</translation>
    </message>
    <message>
        <source>Section: the desired outputs</source>
        <translation>Sección: las salidas deseadas</translation>
    </message>
    <message>
        <source>The output patterns: the desired output of every unit for every pattern.</source>
        <translation>Los patrones de salida: la salida deseada de cada unidad para cada patrón.</translation>
    </message>
    <message>
        <source>Section: the SSE history</source>
        <translation>Sección: el historial del SSE</translation>
    </message>
    <message>
        <source>The total SSE recorded at every printout, against the epoch it was recorded at: the numbers behind the SSE graph.</source>
        <translation>El SSE total guardado en cada actualización, junto a la época en que se guardó: los números de la gráfica del SSE.</translation>
    </message>
    <message>
        <source>The file the report goes to</source>
        <translation>El archivo en el que se escribe el informe</translation>
    </message>
    <message>
        <source>The heading of the line below, which names the file the report will be written to.</source>
        <translation>El encabezado de la línea de debajo, que dice el archivo en el que se escribirá el informe.</translation>
    </message>
    <message>
        <source>The file chosen; green once written</source>
        <translation>El archivo elegido; en verde cuando ya se ha escrito</translation>
    </message>
    <message>
        <source>The full name of the file chosen. It turns green when the report has been written.</source>
        <translation>El nombre completo del archivo elegido. Se vuelve verde cuando se ha escrito el informe.</translation>
    </message>
    <message>
        <source>Write the report</source>
        <translation>Escribe el informe</translation>
    </message>
    <message>
        <source>Writes the report with the ticked sections to the file named above. An existing file is replaced only after you answer Yes.</source>
        <translation>Escribe el informe con las secciones marcadas en el archivo nombrado arriba. Un archivo existente solo se sustituye después de que respondas Sí.</translation>
    </message>
    <message>
        <source>Closes the page. The file chosen is remembered while the program runs.</source>
        <translation>Cierra la página. El archivo elegido se recuerda mientras el programa está abierto.</translation>
    </message>
    <message>
        <source>What this page shows</source>
        <translation>Qué muestra esta página</translation>
    </message>
    <message>
        <source>Three pictures of the network on the tabs below: its weights, its decisions and its error curve. They follow the runs while the page is open.</source>
        <translation>Tres imágenes de la red en las pestañas de abajo: sus pesos, sus decisiones y su curva de error. Siguen a las ejecuciones mientras la página está abierta.</translation>
    </message>
    <message>
        <source>The network shown and where its run stands</source>
        <translation>La red mostrada y cómo va su ejecución</translation>
    </message>
    <message>
        <source>The training file of the network the pictures show, its numbers of patterns, inputs and outputs and its rule, and after training the epoch, the total SSE and the misses.</source>
        <translation>El archivo de entrenamiento de la red que muestran las imágenes, sus números de patrones, entradas y salidas y su regla y, tras entrenar, la época, el SSE total y los fallos.</translation>
    </message>
    <message>
        <source>Three pictures of the network</source>
        <translation>Tres imágenes de la red</translation>
    </message>
    <message>
        <source>Weights (Alt+W): every unit&apos;s weights as coloured cells. Decisions (Alt+D): the input plane of a two-input problem, shaded by a unit&apos;s answer. Error Curve (Alt+E): the total SSE over the epochs.</source>
        <translation>Pesos (Alt+P): los pesos de cada unidad como celdas de colores. Decisiones (Alt+D): el plano de entradas de un problema de dos entradas, sombreado según la respuesta de una unidad. Curva de error (Alt+E): el SSE total a lo largo de las épocas.</translation>
    </message>
    <message>
        <source>Each output unit&apos;s weights as coloured cells</source>
        <translation>Los pesos de cada unidad de salida como celdas de colores</translation>
    </message>
    <message>
        <source>One grid of cells per output unit, one cell per input weight, with the unit&apos;s threshold in the cell to the right. Dark blue is negative, grey near 0, light orange positive.</source>
        <translation>Una cuadrícula de celdas por unidad de salida, una celda por cada peso de entrada, con el umbral de la unidad en la celda de la derecha. Azul oscuro es negativo, gris cerca de 0, naranja claro positivo.</translation>
    </message>
    <message>
        <source>Lays each unit&apos;s weights out as a picture so many cells wide: letters.net opens at 5, the 5 by 7 grid of its letters. The width is kept for each file until the program ends.</source>
        <translation>Dibuja los pesos de cada unidad como una imagen de tantas celdas de ancho: letters.net se abre con 5, la cuadrícula de 5 por 7 de sus letras. El ancho se guarda para cada archivo hasta que termina el programa.</translation>
    </message>
    <message>
        <source>The input and weight of the cell pointed at</source>
        <translation>La entrada y el peso de la celda señalada</translation>
    </message>
    <message>
        <source>Point at a cell, or tab to the picture and use the arrow keys (Page Up and Page Down change unit): this line names the unit, the input and the weight&apos;s value.</source>
        <translation>Señala una celda, o ve con el tabulador a la imagen y usa las flechas (Re Pág y Av Pág cambian de unidad): esta línea dice la unidad, la entrada y el valor del peso.</translation>
    </message>
    <message>
        <source>Colour each unit from its own lowest to highest weight</source>
        <translation>Colorea cada unidad desde su peso más bajo hasta el más alto</translation>
    </message>
    <message>
        <source>Unticked, every unit shares one colour scale, so you can compare units. Ticked, each unit is coloured from its own lowest weight to its highest, and the shape a unit has learned stands out even when most of its weights are negative.</source>
        <translation>Sin marcar, todas las unidades comparten una escala de colores, así que puedes comparar unidades. Marcada, cada unidad se colorea desde su propio peso más bajo hasta el más alto, y la forma que ha aprendido una unidad se ve bien aunque la mayoría de sus pesos sean negativos.</translation>
    </message>
    <message>
        <source>Each output unit&apos;s weights: blue negative, orange positive</source>
        <translation>Los pesos de cada unidad de salida: azul negativo, naranja positivo</translation>
    </message>
    <message>
        <source>The weights of every output unit as a grid, the threshold to the right of each grid. The scale above shows which colour is which value. Point at a cell to read it; with the focus here, the arrow keys move from cell to cell.</source>
        <translation>Los pesos de cada unidad de salida como una cuadrícula, con el umbral a la derecha de cada cuadrícula. La escala de arriba muestra qué color es cada valor. Señala una celda para leerla; con el foco aquí, las flechas van de celda en celda.</translation>
    </message>
    <message>
        <source>The input plane and where a unit changes its answer</source>
        <translation>El plano de entradas y dónde cambia una unidad su respuesta</translation>
    </message>
    <message>
        <source>For files with exactly two inputs: the plane of both inputs, shaded by the chosen unit&apos;s answer, with its boundary and each pattern as a disc.</source>
        <translation>Para archivos con exactamente dos entradas: el plano de las dos entradas, sombreado según la respuesta de la unidad elegida, con su frontera y cada patrón como un disco.</translation>
    </message>
    <message>
        <source>The output unit drawn on the plane</source>
        <translation>La unidad de salida dibujada en el plano</translation>
    </message>
    <message>
        <source>Chooses which output unit&apos;s answers shade the decision plane.</source>
        <translation>Elige qué unidad de salida sombrea con sus respuestas el plano de decisión.</translation>
    </message>
    <message>
        <source>The plane shaded by the unit&apos;s answer; missed patterns ringed</source>
        <translation>El plano sombreado según la respuesta de la unidad; los patrones fallados, con anillo</translation>
    </message>
    <message>
        <source>Each point of the plane of the two inputs is shaded by the unit&apos;s answer there. The line is the boundary where its answer changes (a Gaussian unit has two, the edges of its band). Black discs want 1, white discs want 0; a disc ringed in magenta is missed. A step unit always misses a pattern of XOR.</source>
        <translation>Cada punto del plano de las dos entradas se sombrea según la respuesta de la unidad en ese punto. La línea es la frontera donde cambia su respuesta (una unidad gaussiana tiene dos, los bordes de su franja). Los discos negros quieren 1 y los blancos 0; un disco con un anillo magenta es un fallo. Una unidad escalón siempre falla algún patrón de XOR.</translation>
    </message>
    <message>
        <source>Why there is no decision plane</source>
        <translation>Por qué no hay plano de decisión</translation>
    </message>
    <message>
        <source>Says why the plane is not drawn: the plane needs a file with exactly two inputs (AND, OR, XOR) and a trained network.</source>
        <translation>Explica por qué no se dibuja el plano: el plano necesita un archivo con exactamente dos entradas (AND, OR, XOR) y una red entrenada.</translation>
    </message>
    <message>
        <source>The total SSE over the epochs</source>
        <translation>El SSE total a lo largo de las épocas</translation>
    </message>
    <message>
        <source>The recorded total SSE against the epochs, on a linear or logarithmic scale.</source>
        <translation>El SSE total guardado frente a las épocas, en escala lineal o logarítmica.</translation>
    </message>
    <message>
        <source>Show the SSE on a logarithmic scale</source>
        <translation>Muestra el SSE en escala logarítmica</translation>
    </message>
    <message>
        <source>Ticked, each step up the scale is ten times the one below, so the slow last part of learning shows; a total of 0 gets a line of its own below the lowest decade.</source>
        <translation>Marcada, cada paso hacia arriba en la escala vale diez veces el de abajo, así que se ve la última parte del aprendizaje, la más lenta; un total de 0 tiene su propia línea debajo de la década más baja.</translation>
    </message>
    <message>
        <source>The learning curve: the total SSE recorded at every printout, against the epoch. It falls as the network learns and levels off when it can learn no more.</source>
        <translation>La curva de aprendizaje: el SSE total guardado en cada actualización, frente a la época. Baja mientras la red aprende y se aplana cuando ya no puede aprender más.</translation>
    </message>
    <message>
        <source>Print the picture shown</source>
        <translation>Imprime la imagen mostrada</translation>
    </message>
    <message>
        <source>Prints the picture on the current tab (a PDF file where there is no printer).</source>
        <translation>Imprime la imagen de la pestaña actual (un archivo PDF si no hay impresora).</translation>
    </message>
    <message>
        <source>Save the picture shown as PNG or SVG</source>
        <translation>Guarda la imagen mostrada como PNG o SVG</translation>
    </message>
    <message>
        <source>Saves the picture on the current tab; a name ending in .svg gives a drawing, any other a PNG image.</source>
        <translation>Guarda la imagen de la pestaña actual; un nombre que termina en .svg da un dibujo, cualquier otro una imagen PNG.</translation>
    </message>
    <message>
        <source>Closes the network view.</source>
        <translation>Cierra la vista de la red.</translation>
    </message>
    <message>
        <source>Presents the next pattern, applies the learning rule once and holds the run there. With no run going, it starts one.</source>
        <translation>Presenta el patrón siguiente, aplica la regla de aprendizaje una vez y detiene ahí la ejecución. Si no hay ninguna ejecución en marcha, empieza una.</translation>
    </message>
    <message>
        <source>Goes on to the end of the epoch (the pass through all the patterns) and holds the run there.</source>
        <translation>Sigue hasta el final de la época (la pasada por todos los patrones) y detiene ahí la ejecución.</translation>
    </message>
    <message>
        <source>Lets the run go on, at the speed chosen below.</source>
        <translation>Deja que la ejecución siga, a la velocidad elegida abajo.</translation>
    </message>
    <message>
        <source>Holds the run after the pattern it is on; a step then goes on from there.</source>
        <translation>Detiene la ejecución tras el patrón en el que está; después, un paso sigue desde ahí.</translation>
    </message>
    <message>
        <source>How fast a run goes: as fast as possible down to 1 pattern a second</source>
        <translation>Lo rápido que va una ejecución: de lo más rápido posible hasta 1 patrón por segundo</translation>
    </message>
    <message>
        <source>Slows a run from as fast as possible down to 100, 30, 10, 3 or 1 patterns a second, so you can watch the boundary move.</source>
        <translation>Frena una ejecución desde lo más rápido posible hasta 100, 30, 10, 3 o 1 patrones por segundo, para que veas moverse la frontera.</translation>
    </message>
    <message>
        <source>The speed chosen</source>
        <translation>La velocidad elegida</translation>
    </message>
    <message>
        <source>The speed the slider sets, in patterns a second.</source>
        <translation>La velocidad que fija el deslizador, en patrones por segundo.</translation>
    </message>
    <message>
        <source>Where the run stands: epoch and pattern</source>
        <translation>Cómo va la ejecución: época y patrón</translation>
    </message>
    <message>
        <source>The epoch and the pattern the last step presented, with its place in the epoch&apos;s order, the rule and the learning rate.</source>
        <translation>La época y el patrón que presentó el último paso, con su puesto en el orden de la época, la regla y la tasa de aprendizaje.</translation>
    </message>
    <message>
        <source>The output unit whose step is written out</source>
        <translation>La unidad de salida cuyo paso se escribe</translation>
    </message>
    <message>
        <source>Chooses which output unit&apos;s arithmetic the window writes out (for the letters, one of 26).</source>
        <translation>Elige de qué unidad de salida escribe las cuentas la ventana (para las letras, una de 26).</translation>
    </message>
    <message>
        <source>What the other output units did</source>
        <translation>Qué hicieron las otras unidades de salida</translation>
    </message>
    <message>
        <source>A line that sums up how many of the other output units changed their weights at this step.</source>
        <translation>Una línea que resume cuántas de las otras unidades de salida cambiaron sus pesos en este paso.</translation>
    </message>
    <message>
        <source>The last step in the rule&apos;s own formula</source>
        <translation>El último paso con la fórmula de la regla</translation>
    </message>
    <message>
        <source>The step written out with the numbers the run used: the net input, the answer (activation), the error, the rule&apos;s coefficient c, and each weight&apos;s change c times its input, with its value before and after. An overflow of the Gaussian rule is said here.</source>
        <translation>El paso escrito con los números que usó la ejecución: la entrada neta, la respuesta (activación), el error, el coeficiente c de la regla y el cambio de cada peso, c por su entrada, con su valor antes y después. Aquí se avisa si la regla gaussiana se desborda.</translation>
    </message>
    <message>
        <source>Every weight and the threshold, before and after the step</source>
        <translation>Cada peso y el umbral, antes y después del paso</translation>
    </message>
    <message>
        <source>One row per weight and one for the threshold of the unit chosen, before and after the last step; the ones that changed are in bold and marked (changed).</source>
        <translation>Una fila por cada peso y una para el umbral de la unidad elegida, antes y después del último paso; los que cambiaron van en negrita y marcados (cambiado).</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
    <message>
        <source>Closes the window; a held or slowed run goes on at full speed.</source>
        <translation>Cierra la ventana; una ejecución detenida o frenada sigue a toda velocidad.</translation>
    </message>
    <message>
        <source>What this window does</source>
        <translation>Qué hace esta ventana</translation>
    </message>
    <message>
        <source>Trains the set-up page&apos;s settings once from each seed of a range, to show how much the outcome depends on the starting weights. The page and its network stay as they are.</source>
        <translation>Entrena los ajustes de la página de ajustes una vez con cada semilla de un rango, para mostrar cuánto depende el resultado de los pesos iniciales. La página y su red se quedan como están.</translation>
    </message>
    <message>
        <source>The first seed of the range</source>
        <translation>La primera semilla del rango</translation>
    </message>
    <message>
        <source>The seed of the first run; the next runs take the seeds after it.</source>
        <translation>La semilla de la primera ejecución; las siguientes ejecuciones toman las semillas que van después.</translation>
    </message>
    <message>
        <source>How many seeds to run</source>
        <translation>Cuántas semillas ejecutar</translation>
    </message>
    <message>
        <source>How many runs, one per seed (up to 100000).</source>
        <translation>Cuántas ejecuciones, una por semilla (hasta 100000).</translation>
    </message>
    <message>
        <source>Run the settings once from each seed</source>
        <translation>Ejecuta los ajustes una vez con cada semilla</translation>
    </message>
    <message>
        <source>Starts the runs on every core. Each line is the run Start Training gives with that seed in the seed box.</source>
        <translation>Empieza las ejecuciones en todos los núcleos. Cada línea es la ejecución que da &quot;Empezar a entrenar&quot; con esa semilla en el cuadro de la semilla.</translation>
    </message>
    <message>
        <source>Stop the runs</source>
        <translation>Detiene las ejecuciones</translation>
    </message>
    <message>
        <source>Ends the runs under way after their current epoch and keeps the lines of those that ended.</source>
        <translation>Termina las ejecuciones en marcha tras su época actual y guarda las líneas de las que terminaron.</translation>
    </message>
    <message>
        <source>The runs done</source>
        <translation>Las ejecuciones hechas</translation>
    </message>
    <message>
        <source>Fills as the runs end.</source>
        <translation>Se llena a medida que terminan las ejecuciones.</translation>
    </message>
    <message>
        <source>One line per seed: epochs, all hits, total SSE, hits</source>
        <translation>Una línea por semilla: épocas, todo aciertos, SSE total, aciertos</translation>
    </message>
    <message>
        <source>For each seed: how many epochs its run took, whether it reached all hits, its total SSE and its hits.</source>
        <translation>Para cada semilla: cuántas épocas tardó su ejecución, si llegó a todo aciertos, su SSE total y sus aciertos.</translation>
    </message>
    <message>
        <source>How many runs reached all hits, and how fast</source>
        <translation>Cuántas ejecuciones llegaron a todo aciertos, y lo rápido que lo hicieron</translation>
    </message>
    <message>
        <source>How many runs reached all hits, with the median, fewest and most epochs they took.</source>
        <translation>Cuántas ejecuciones llegaron a todo aciertos, con la mediana, el mínimo y el máximo de épocas que tardaron.</translation>
    </message>
    <message>
        <source>Save the table as a CSV file</source>
        <translation>Guarda la tabla como archivo CSV</translation>
    </message>
    <message>
        <source>Writes the table to a CSV file (seed, epochs, all hits, total SSE, hits and the responses), the same columns the trainer&apos;s --seeds-csv writes, so the two files of the same seeds are the same bytes. It can be pressed once a run has ended.</source>
        <translation>Escribe la tabla en un archivo CSV (semilla, épocas, todo aciertos, SSE total, aciertos y las respuestas), las mismas columnas que escribe --seeds-csv de vantorelle-train, así que los dos archivos de las mismas semillas tienen los mismos bytes. Se puede pulsar cuando ha terminado una ejecución.</translation>
    </message>
    <message>
        <source>Closes the window; runs still going stop.</source>
        <translation>Cierra la ventana; las ejecuciones que aún siguen se detienen.</translation>
    </message>
    <message>
        <source>Make a training set of your own, or edit the one read last, and save it as a training file.</source>
        <translation>Crea un conjunto de entrenamiento propio, o edita el último leído, y guárdalo como archivo de entrenamiento.</translation>
    </message>
    <message>
        <source>Three ways to work on the same set</source>
        <translation>Tres formas de trabajar con el mismo conjunto</translation>
    </message>
    <message>
        <source>Table (Alt+A), Draw (Alt+D) and Import CSV (Alt+C) show the same set: a change made on one is seen on the others and undone from any of them.</source>
        <translation>Tabla (Alt+A), Dibujo (Alt+D) e Importar CSV (Alt+C) muestran el mismo conjunto: un cambio hecho en una se ve en las otras y se puede deshacer desde cualquiera.</translation>
    </message>
    <message>
        <source>The set as a table of numbers</source>
        <translation>El conjunto como una tabla de números</translation>
    </message>
    <message>
        <source>One row per pattern: its inputs, then its desired outputs. Type into the cells, paste from a spreadsheet, add or delete rows and columns.</source>
        <translation>Una fila por patrón: sus entradas y luego sus salidas deseadas. Escribe en las celdas, pega desde una hoja de cálculo, añade o borra filas y columnas.</translation>
    </message>
    <message>
        <source>The set as points on the plane</source>
        <translation>El conjunto como puntos en el plano</translation>
    </message>
    <message>
        <source>For sets of two inputs: each pattern is a point on the plane of input 1 and input 2. Click to add points, drag them, right-click to remove them.</source>
        <translation>Para conjuntos de dos entradas: cada patrón es un punto en el plano de la entrada 1 y la entrada 2. Haz clic para añadir puntos, arrástralos, haz clic derecho para quitarlos.</translation>
    </message>
    <message>
        <source>Read the patterns from a CSV file</source>
        <translation>Lee los patrones de un archivo CSV</translation>
    </message>
    <message>
        <source>Open a CSV file, say what each column is, and import it into the table.</source>
        <translation>Abre un archivo CSV, di qué es cada columna e impórtalo a la tabla.</translation>
    </message>
    <message>
        <source>The desired outputs of the points you add</source>
        <translation>Las salidas deseadas de los puntos que añades</translation>
    </message>
    <message>
        <source>With one output, a new point wants 0 or 1; with more, it belongs to a class: 1 from its output and 0 from the others.</source>
        <translation>Con una salida, un punto nuevo quiere 0 o 1; con más, pertenece a una clase: 1 en su salida y 0 en las demás.</translation>
    </message>
    <message>
        <source>Click to add a point, drag to move it, right-click to remove it</source>
        <translation>Haz clic para añadir un punto, arrastra para moverlo, clic derecho para quitarlo</translation>
    </message>
    <message>
        <source>Each pattern is a point at its two inputs; the classes differ in colour and in shape. Click an empty place to add a point, drag a point to move it, right-click it (or click it and press Delete) to remove it. When the program holds a network of the same size, the plane is shaded by its answer, with its boundary, and the points it misses are ringed.</source>
        <translation>Cada patrón es un punto en sus dos entradas; las clases se distinguen por el color y por la forma. Haz clic en un sitio vacío para añadir un punto, arrastra un punto para moverlo, haz clic derecho sobre él (o haz clic y pulsa Supr) para quitarlo. Cuando el programa tiene una red del mismo tamaño, el plano se sombrea según su respuesta, con su frontera, y los puntos que falla llevan un anillo.</translation>
    </message>
    <message>
        <source>Choose a CSV file to import</source>
        <translation>Elige un archivo CSV para importar</translation>
    </message>
    <message>
        <source>Opens a CSV file and shows its first 20 rows in the grid below, with the delimiter, header and decimal mark guessed.</source>
        <translation>Abre un archivo CSV y muestra sus 20 primeras filas en la cuadrícula de abajo, adivinando el separador, el encabezado y la marca decimal.</translation>
    </message>
    <message>
        <source>The CSV file chosen</source>
        <translation>El archivo CSV elegido</translation>
    </message>
    <message>
        <source>The name of the CSV file shown in the grid below.</source>
        <translation>El nombre del archivo CSV que se muestra en la cuadrícula de abajo.</translation>
    </message>
    <message>
        <source>The character between the cells</source>
        <translation>El carácter entre las celdas</translation>
    </message>
    <message>
        <source>The delimiter of the file&apos;s cells: comma, semicolon, tab or bar, or guessed from the first row.</source>
        <translation>El separador de las celdas del archivo: coma, punto y coma, tabulador o barra, o detectado a partir de la primera fila.</translation>
    </message>
    <message>
        <source>Whether the first row names the columns</source>
        <translation>Si la primera fila da nombre a las columnas</translation>
    </message>
    <message>
        <source>Guessed: the first row is a header when a cell of an input or output column is not a number. Choose here when the guess is wrong.</source>
        <translation>Detectado: la primera fila es un encabezado cuando una celda de una columna de entrada o de salida no es un número. Elige aquí si la detección se equivoca.</translation>
    </message>
    <message>
        <source>Decimal points or decimal commas</source>
        <translation>Puntos decimales o comas decimales</translation>
    </message>
    <message>
        <source>Whether the file&apos;s numbers are written 1.5 or 1,5.</source>
        <translation>Si los números del archivo se escriben 1.5 o 1,5.</translation>
    </message>
    <message>
        <source>The file&apos;s first rows; choose in the first row what each column is</source>
        <translation>Las primeras filas del archivo; elige en la primera fila qué es cada columna</translation>
    </message>
    <message>
        <source>The first 20 rows of the file. The boxes in the first row say what each column is: Input, Output, Class (one output per value of the column) or Ignored.</source>
        <translation>Las 20 primeras filas del archivo. Los cuadros de la primera fila dicen qué es cada columna: Entrada, Salida, Clase (una salida por cada valor de la columna) o Ignorada.</translation>
    </message>
    <message>
        <source>What the import made of the file</source>
        <translation>Lo que la importación ha sacado del archivo</translation>
    </message>
    <message>
        <source>Says how many patterns, inputs and outputs the file gives and, for a class column, which output stands for which class.</source>
        <translation>Dice cuántos patrones, entradas y salidas da el archivo y, para una columna de clase, qué salida corresponde a cada clase.</translation>
    </message>
    <message>
        <source>Put the whole file into the table</source>
        <translation>Pone el archivo entero en la tabla</translation>
    </message>
    <message>
        <source>Reads the whole file as chosen and puts its patterns in the table as one step to undo. A file that cannot be used is refused with a message naming the row and the column, and the table stays as it was.</source>
        <translation>Lee el archivo entero tal como se ha elegido y pone sus patrones en la tabla como un solo paso que se puede deshacer. Un archivo que no se puede usar se rechaza con un mensaje que dice la fila y la columna, y la tabla se queda como estaba.</translation>
    </message>
    <message>
        <source>Add a pattern under the selected one</source>
        <translation>Añade un patrón debajo del seleccionado</translation>
    </message>
    <message>
        <source>Adds a row (a pattern) of zeros under the selected row.</source>
        <translation>Añade una fila (un patrón) de ceros debajo de la fila seleccionada.</translation>
    </message>
    <message>
        <source>Copy the selected patterns</source>
        <translation>Copia los patrones seleccionados</translation>
    </message>
    <message>
        <source>Adds a copy of each selected row under it.</source>
        <translation>Añade una copia de cada fila seleccionada debajo de ella.</translation>
    </message>
    <message>
        <source>Delete the selected patterns</source>
        <translation>Borra los patrones seleccionados</translation>
    </message>
    <message>
        <source>Deletes the selected rows. One pattern always stays.</source>
        <translation>Borra las filas seleccionadas. Siempre queda un patrón.</translation>
    </message>
    <message>
        <source>Paste cells copied from a spreadsheet (Ctrl+V)</source>
        <translation>Pega celdas copiadas de una hoja de cálculo (Ctrl+V)</translation>
    </message>
    <message>
        <source>Puts tab-separated cells, as spreadsheets copy them, from the selected cell on, adding rows as needed. A cell that is not a number, or a block wider than the columns left, pastes nothing.</source>
        <translation>Pone celdas separadas por tabuladores, como las copian las hojas de cálculo, desde la celda seleccionada, añadiendo filas si hace falta. Una celda que no es un número, o un bloque más ancho que las columnas que quedan, no pega nada.</translation>
    </message>
    <message>
        <source>Take back the last change (Ctrl+Z)</source>
        <translation>Deshace el último cambio (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Takes back the last change; a paste or a generated set counts as one.</source>
        <translation>Deshace el último cambio; pegar o generar un conjunto cuenta como uno.</translation>
    </message>
    <message>
        <source>Make the change taken back again (Ctrl+Shift+Z)</source>
        <translation>Rehace el cambio deshecho (Ctrl+Mayús+Z)</translation>
    </message>
    <message>
        <source>Makes the last change taken back again (Ctrl+Shift+Z or Ctrl+Y).</source>
        <translation>Vuelve a hacer el último cambio deshecho (Ctrl+Mayús+Z o Ctrl+Y).</translation>
    </message>
    <message>
        <source>Add an input column</source>
        <translation>Añade una columna de entrada</translation>
    </message>
    <message>
        <source>Adds an input column of zeros: every pattern gets one more input.</source>
        <translation>Añade una columna de entrada de ceros: cada patrón tiene una entrada más.</translation>
    </message>
    <message>
        <source>Add an output column</source>
        <translation>Añade una columna de salida</translation>
    </message>
    <message>
        <source>Adds a desired-output column of zeros: the network gets one more output unit.</source>
        <translation>Añade una columna de salida deseada de ceros: la red tiene una unidad de salida más.</translation>
    </message>
    <message>
        <source>Copy the selected cell&apos;s column</source>
        <translation>Copia la columna de la celda seleccionada</translation>
    </message>
    <message>
        <source>Adds a copy of the selected cell&apos;s column beside it.</source>
        <translation>Añade una copia de la columna de la celda seleccionada a su lado.</translation>
    </message>
    <message>
        <source>Delete the selected cell&apos;s column</source>
        <translation>Borra la columna de la celda seleccionada</translation>
    </message>
    <message>
        <source>Deletes the selected cell&apos;s column. One input and one output always stay.</source>
        <translation>Borra la columna de la celda seleccionada. Siempre quedan una entrada y una salida.</translation>
    </message>
    <message>
        <source>The patterns: inputs, then desired outputs</source>
        <translation>Los patrones: entradas y luego salidas deseadas</translation>
    </message>
    <message>
        <source>One row per pattern: its inputs, then the outputs the network should give. Click a cell and type, or press F2. Numbers are read in your system&apos;s form; anything else is refused with a message and the cell keeps its value.</source>
        <translation>Una fila por patrón: sus entradas y luego las salidas que debe dar la red. Haz clic en una celda y escribe, o pulsa F2. Los números se leen en la forma de tu sistema; cualquier otra cosa se rechaza con un mensaje y la celda mantiene su valor.</translation>
    </message>
    <message>
        <source>The set&apos;s size</source>
        <translation>El tamaño del conjunto</translation>
    </message>
    <message>
        <source>How many patterns, inputs and outputs the set has.</source>
        <translation>Cuántos patrones, entradas y salidas tiene el conjunto.</translation>
    </message>
    <message>
        <source>Fill the table with a ready-made set</source>
        <translation>Llena la tabla con un conjunto ya hecho</translation>
    </message>
    <message>
        <source>Choose a kind of set and its numbers, then press Generate. Clouds and noisy letters are drawn with the seed, so the same seed makes the same set.</source>
        <translation>Elige un tipo de conjunto y sus números y pulsa Generar. Las nubes y las letras con ruido se sacan con la semilla, así que la misma semilla da el mismo conjunto.</translation>
    </message>
    <message>
        <source>The kind of set to generate</source>
        <translation>El tipo de conjunto que se genera</translation>
    </message>
    <message>
        <source>AND, OR, NAND, XOR and parity list every combination of 0 and 1; Gaussian clouds are points around centres in the plane; letters are the 5 by 7 letters of letters.net.</source>
        <translation>AND, OR, NAND, XOR y paridad recorren todas las combinaciones de 0 y 1; las nubes gaussianas son puntos alrededor de centros en el plano; las letras son las letras de 5 por 7 de letters.net.</translation>
    </message>
    <message>
        <source>How many inputs a logic set has</source>
        <translation>Cuántas entradas tiene un conjunto lógico</translation>
    </message>
    <message>
        <source>The number of inputs of a logic set; XOR over more than two inputs is parity.</source>
        <translation>El número de entradas de un conjunto lógico; XOR con más de dos entradas es la paridad.</translation>
    </message>
    <message>
        <source>How many clouds</source>
        <translation>Cuántas nubes</translation>
    </message>
    <message>
        <source>The number of clouds (classes). Two classes have one output; more have one output per class.</source>
        <translation>El número de nubes (clases). Dos clases tienen una salida; más clases tienen una salida por clase.</translation>
    </message>
    <message>
        <source>Points in each cloud</source>
        <translation>Puntos en cada nube</translation>
    </message>
    <message>
        <source>How many points each cloud has.</source>
        <translation>Cuántos puntos tiene cada nube.</translation>
    </message>
    <message>
        <source>How far the points lie from their centre</source>
        <translation>A qué distancia de su centro están los puntos</translation>
    </message>
    <message>
        <source>The spread of each cloud around its centre.</source>
        <translation>La dispersión de cada nube alrededor de su centro.</translation>
    </message>
    <message>
        <source>The share of patterns given a wrong answer</source>
        <translation>La parte de los patrones que recibe una respuesta equivocada</translation>
    </message>
    <message>
        <source>For clouds, the share of points given another class&apos;s output; for letters, the chance that each pixel is flipped.</source>
        <translation>En las nubes, la parte de los puntos que recibe la salida de otra clase; en las letras, la probabilidad de que cada píxel se invierta.</translation>
    </message>
    <message>
        <source>Cut the clouds so a line parts them</source>
        <translation>Recorta las nubes para que una línea las separe</translation>
    </message>
    <message>
        <source>Ticked, each cloud is cut off where a line still parts it from the others, so without noise a step unit can get every pattern right. Unticked, the clouds overlap.</source>
        <translation>Marcada, cada nube se recorta donde una línea aún la separa de las demás, así que sin ruido una unidad escalón puede acertar todos los patrones. Sin marcar, las nubes se solapan.</translation>
    </message>
    <message>
        <source>Which letters to make</source>
        <translation>Qué letras crear</translation>
    </message>
    <message>
        <source>The letters of the set, one output unit each (for example CLOT).</source>
        <translation>Las letras del conjunto, una unidad de salida por letra (por ejemplo CLOT).</translation>
    </message>
    <message>
        <source>How many copies of each letter</source>
        <translation>Cuántas copias de cada letra</translation>
    </message>
    <message>
        <source>How many times each letter is repeated; with noise, each copy differs.</source>
        <translation>Cuántas veces se repite cada letra; con ruido, cada copia es distinta.</translation>
    </message>
    <message>
        <source>The seed the random sets are drawn with</source>
        <translation>La semilla con la que se sacan los conjuntos al azar</translation>
    </message>
    <message>
        <source>The same seed makes the same clouds, the same noisy letters and the same split.</source>
        <translation>La misma semilla da las mismas nubes, las mismas letras con ruido y la misma separación.</translation>
    </message>
    <message>
        <source>Fill the table with the set chosen</source>
        <translation>Llena la tabla con el conjunto elegido</translation>
    </message>
    <message>
        <source>Replaces the table with the generated set (Undo brings the old one back).</source>
        <translation>Sustituye la tabla por el conjunto generado (Deshacer devuelve el anterior).</translation>
    </message>
    <message>
        <source>Keep some patterns apart for testing</source>
        <translation>Aparta algunos patrones para probar</translation>
    </message>
    <message>
        <source>A share of the patterns can be saved to a test file of its own, to see how the network does on patterns it never trained on.</source>
        <translation>Una parte de los patrones se puede guardar en un archivo de prueba propio, para ver cómo responde la red a patrones con los que nunca se entrenó.</translation>
    </message>
    <message>
        <source>The share of patterns saved as a test file</source>
        <translation>La parte de los patrones que se guarda como archivo de prueba</translation>
    </message>
    <message>
        <source>With a number above 0, saving draws that share of the patterns with the seed and writes them to NAME-test.net beside the training file, for &quot;Test Current Network On A New Problem&quot;.</source>
        <translation>Con un número mayor que 0, al guardar se saca esa parte de los patrones con la semilla y se escribe en NOMBRE-test.net junto al archivo de entrenamiento, para &quot;Probar la red actual con un problema nuevo&quot;.</translation>
    </message>
    <message>
        <source>What saving does with the share held out</source>
        <translation>Qué hace el guardado con la parte reservada</translation>
    </message>
    <message>
        <source>Says where the patterns held out go: drawn with the seed, out of the training file, into a test file beside it.</source>
        <translation>Dice adónde van los patrones reservados: sacados con la semilla, fuera del archivo de entrenamiento, a un archivo de prueba a su lado.</translation>
    </message>
    <message>
        <source>Save the set as a training file</source>
        <translation>Guarda el conjunto como archivo de entrenamiento</translation>
    </message>
    <message>
        <source>Writes the .net file (.net is added to a name without an ending). A set beyond the training files&apos; limits is refused.</source>
        <translation>Escribe el archivo .net (se añade .net a un nombre sin terminación). Un conjunto que supera los límites de los archivos de entrenamiento se rechaza.</translation>
    </message>
    <message>
        <source>Save the set and train on it</source>
        <translation>Guarda el conjunto y entrena con él</translation>
    </message>
    <message>
        <source>Saves the set, reads it and opens the training set-up page on it.</source>
        <translation>Guarda el conjunto, lo lee y abre con él la página de ajustes del entrenamiento.</translation>
    </message>
    <message>
        <source>Closes the page (Escape does the same when no cell is being typed in).</source>
        <translation>Cierra la página (Escape hace lo mismo cuando no se está escribiendo en ninguna celda).</translation>
    </message>
    <message>
        <source>Guided exercises</source>
        <translation>Ejercicios guiados</translation>
    </message>
    <message>
        <source>Short guided exercises on how a perceptron learns. Choose one in the list below and press Start This Lesson.</source>
        <translation>Ejercicios guiados cortos sobre cómo aprende un perceptrón. Elige uno en la lista de abajo y pulsa &quot;Empezar esta lección&quot;.</translation>
    </message>
    <message>
        <source>The lessons: choose one</source>
        <translation>Las lecciones: elige una</translation>
    </message>
    <message>
        <source>The lessons, one a line: what one unit computes; OR, NAND and why XOR fails a step unit; the learning rate; the threshold as a weight; sigmoid against step units; the Gaussian unit that solves XOR; generalization; and the letters. A lesson file with a mistake is listed as &quot;(cannot be opened)&quot;; choosing it says which file and what is wrong. Double-click a lesson (or press Enter) to start it.</source>
        <translation>Las lecciones, una por línea: lo que calcula una unidad; OR, NAND y por qué una unidad escalón falla con XOR; la tasa de aprendizaje; el umbral como un peso; unidades sigmoides frente a escalón; la unidad gaussiana que resuelve XOR; la generalización; y las letras. Un archivo de lección con un error aparece como &quot;(no se puede abrir)&quot;; al elegirlo se dice qué archivo es y qué falla. Haz doble clic en una lección (o pulsa Intro) para empezarla.</translation>
    </message>
    <message>
        <source>The lesson chosen</source>
        <translation>La lección elegida</translation>
    </message>
    <message>
        <source>The title of the lesson chosen in the list or under way.</source>
        <translation>El título de la lección elegida en la lista o en marcha.</translation>
    </message>
    <message>
        <source>Where you are in the lesson</source>
        <translation>En qué punto de la lección estás</translation>
    </message>
    <message>
        <source>How many steps the chosen lesson has, and once it has started, which step you are on.</source>
        <translation>Cuántos pasos tiene la lección elegida y, cuando ha empezado, en qué paso estás.</translation>
    </message>
    <message>
        <source>What this step says</source>
        <translation>Qué dice este paso</translation>
    </message>
    <message>
        <source>The text of the step: what to look at or to do on the set-up page and the pages it opens.</source>
        <translation>El texto del paso: qué mirar o qué hacer en la página de ajustes y en las páginas que abre.</translation>
    </message>
    <message>
        <source>The step&apos;s question</source>
        <translation>La pregunta del paso</translation>
    </message>
    <message>
        <source>A question to think about before you look at the answer. Not every step asks one.</source>
        <translation>Una pregunta en la que pensar antes de mirar la respuesta. No todos los pasos tienen una.</translation>
    </message>
    <message>
        <source>Reveal the answer to the question</source>
        <translation>Muestra la respuesta a la pregunta</translation>
    </message>
    <message>
        <source>Shows the answer to the step&apos;s question below it. Try to answer it yourself first.</source>
        <translation>Muestra debajo la respuesta a la pregunta del paso. Intenta responderla tú antes.</translation>
    </message>
    <message>
        <source>The answer to the question</source>
        <translation>La respuesta a la pregunta</translation>
    </message>
    <message>
        <source>The answer to the step&apos;s question, shown once you press Show Answer.</source>
        <translation>La respuesta a la pregunta del paso, que se muestra cuando pulsas &quot;Ver respuesta&quot;.</translation>
    </message>
    <message>
        <source>Do what the step asks</source>
        <translation>Haz lo que pide el paso</translation>
    </message>
    <message>
        <source>Does what the step asks for you: opens the step panel, starts training, shows a picture of the network (its decision plane, weights or error curve) or the SSE graph, or tests the network on the held-out patterns. It shows only on steps that have something to do.</source>
        <translation>Hace por ti lo que pide el paso: abre el panel de pasos, empieza a entrenar, muestra una imagen de la red (su plano de decisión, sus pesos o su curva de error) o la gráfica del SSE, o prueba la red con los patrones reservados. Solo aparece en los pasos que tienen algo que hacer.</translation>
    </message>
    <message>
        <source>Begin the lesson chosen in the list</source>
        <translation>Empieza la lección elegida en la lista</translation>
    </message>
    <message>
        <source>Starts the lesson chosen in the list: it puts its own training set and settings (rule, rate, when training ends, seed) on the set-up page, which opens beside it, and shows the first step.</source>
        <translation>Empieza la lección elegida en la lista: pone su propio conjunto de entrenamiento y sus ajustes (regla, tasa, cuándo termina el entrenamiento, semilla) en la página de ajustes, que se abre a su lado, y muestra el primer paso.</translation>
    </message>
    <message>
        <source>Go back one step</source>
        <translation>Vuelve un paso atrás</translation>
    </message>
    <message>
        <source>Goes back to the step before. A step that brought a training set or settings of its own puts them back on the set-up page.</source>
        <translation>Vuelve al paso anterior. Un paso que trajo su propio conjunto de entrenamiento o sus propios ajustes los vuelve a poner en la página de ajustes.</translation>
    </message>
    <message>
        <source>Go on to the next step</source>
        <translation>Pasa al paso siguiente</translation>
    </message>
    <message>
        <source>Goes on to the next step of the lesson; on the last step it reads Last Step and cannot be pressed.</source>
        <translation>Pasa al paso siguiente de la lección; en el último paso dice &quot;Último paso&quot; y no se puede pulsar.</translation>
    </message>
    <message>
        <source>How a lesson works</source>
        <translation>Cómo funciona una lección</translation>
    </message>
    <message>
        <source>Each lesson sets up the training page for you: read the step, think about the question, then check your answer.</source>
        <translation>Cada lección prepara la página de entrenamiento por ti: lee el paso, piensa en la pregunta y luego comprueba tu respuesta.</translation>
    </message>
    <message>
        <source>Close the lessons</source>
        <translation>Cierra las lecciones</translation>
    </message>
    <message>
        <source>Closes this page (Escape does the same).</source>
        <translation>Cierra esta página (Escape hace lo mismo).</translation>
    </message>
    <message>
        <source>Compare the runs kept this sitting</source>
        <translation>Compara las ejecuciones guardadas en esta sesión</translation>
    </message>
    <message>
        <source>Every run the set-up page trains is kept while the program runs, once it ends: its settings, seed, final weights and total SSE after every epoch. This page lays the ticked ones side by side.</source>
        <translation>Cada ejecución que entrena la página de ajustes se guarda mientras el programa está abierto, cuando termina: sus ajustes, semilla, pesos finales y SSE total tras cada época. Esta página pone las marcadas una junto a otra.</translation>
    </message>
    <message>
        <source>Tick two or more runs to compare them</source>
        <translation>Marca dos o más ejecuciones para compararlas</translation>
    </message>
    <message>
        <source>The runs kept this sitting (the newest 40 stay). Tick the ones to compare; the page opens with the two newest ticked. Double-click a name to give it one of your own. Point at a run to see its rule, rate and seed.</source>
        <translation>Las ejecuciones guardadas en esta sesión (se quedan las 40 más nuevas). Marca las que quieras comparar; la página se abre con las dos más nuevas marcadas. Haz doble clic en un nombre para darle uno tuyo. Señala una ejecución para ver su regla, su tasa y su semilla.</translation>
    </message>
    <message>
        <source>Save the selected run as a network file</source>
        <translation>Guarda la ejecución seleccionada como archivo de red</translation>
    </message>
    <message>
        <source>Saves the selected run as a saved network (.vnet) as it was when it ended, even after later runs. &quot;Open A Saved Network&quot; brings it back.</source>
        <translation>Guarda la ejecución seleccionada como red guardada (.vnet) tal como estaba al terminar, incluso después de otras ejecuciones. &quot;Abrir una red guardada&quot; la devuelve.</translation>
    </message>
    <message>
        <source>Drop the selected run from the list</source>
        <translation>Quita de la lista la ejecución seleccionada</translation>
    </message>
    <message>
        <source>Removes the selected run from the kept runs.</source>
        <translation>Quita la ejecución seleccionada de las ejecuciones guardadas.</translation>
    </message>
    <message>
        <source>Closes the compare page; the runs stay kept and come back when you open it again (Escape does the same).</source>
        <translation>Cierra la página de comparación; las ejecuciones siguen guardadas y vuelven cuando la abres otra vez (Escape hace lo mismo).</translation>
    </message>
    <message>
        <source>The ticked runs compared four ways</source>
        <translation>Las ejecuciones marcadas, comparadas de cuatro formas</translation>
    </message>
    <message>
        <source>The ticked runs compared: their error curves, their settings and outcomes, their decision planes and their confusion tables, each on a tab of its own.</source>
        <translation>Las ejecuciones marcadas, comparadas: sus curvas de error, sus ajustes y resultados, sus planos de decisión y sus tablas de confusión, cada uno en su propia pestaña.</translation>
    </message>
    <message>
        <source>The ticked runs&apos; total SSE over epochs</source>
        <translation>El SSE total de las ejecuciones marcadas a lo largo de las épocas</translation>
    </message>
    <message>
        <source>The total SSE of each ticked run after every epoch, on one graph, each run in its own colour, line style and marker. The legend names the rule, the rate, the seed and the epochs to all hits (&quot;not reached&quot; when a run never got there). Logarithmic scale spreads the small totals out.</source>
        <translation>El SSE total de cada ejecución marcada tras cada época, en una sola gráfica, cada ejecución con su propio color, tipo de línea y marcador. La leyenda dice la regla, la tasa, la semilla y las épocas hasta todo aciertos (&quot;not reached&quot; cuando una ejecución nunca llegó). La escala logarítmica separa los totales pequeños.</translation>
    </message>
    <message>
        <source>The ticked runs&apos; settings and outcomes side by side</source>
        <translation>Los ajustes y resultados de las ejecuciones marcadas, uno junto a otro</translation>
    </message>
    <message>
        <source>The settings (file, rule, rate, hit criterion, stops, order, thresholds, start ranges, display interval, seed) and the outcomes (epochs trained, epochs to all hits, total SSE, hits) of the ticked runs side by side. A row whose values differ is marked, in bold on a tinted ground.</source>
        <translation>Los ajustes (archivo, regla, tasa, criterio de acierto, paradas, orden, umbrales, rangos iniciales, intervalo entre actualizaciones, semilla) y los resultados (épocas entrenadas, épocas hasta todo aciertos, SSE total, aciertos) de las ejecuciones marcadas, uno junto a otro. Una fila cuyos valores son distintos va marcada, en negrita sobre fondo de color.</translation>
    </message>
    <message>
        <source>Each run&apos;s decision plane</source>
        <translation>El plano de decisión de cada ejecución</translation>
    </message>
    <message>
        <source>For files of two inputs, the input plane of each ticked run, as on the network view, side by side: the patterns wanted 1 and 0, and the ones the run misses ringed. Scroll sideways for more runs.</source>
        <translation>Para archivos de dos entradas, el plano de entradas de cada ejecución marcada, como en la vista de la red, uno junto a otro: los patrones que quieren 1 y 0, y los que falla la ejecución, con anillo. Desplázate a los lados para ver más ejecuciones.</translation>
    </message>
    <message>
        <source>Each run&apos;s hits and misses</source>
        <translation>Los aciertos y fallos de cada ejecución</translation>
    </message>
    <message>
        <source>Each ticked run&apos;s confusion table on the file it trained on and, when the network now holds another file of the same sizes (Test Current Network On A New Problem), on that file with the run&apos;s weights.</source>
        <translation>La tabla de confusión de cada ejecución marcada con el archivo con el que se entrenó y, cuando la red tiene ahora otro archivo de los mismos tamaños (&quot;Probar la red actual con un problema nuevo&quot;), con ese archivo y los pesos de la ejecución.</translation>
    </message>
    <message>
        <source>Spread the small totals out</source>
        <translation>Separa los totales pequeños</translation>
    </message>
    <message>
        <source>Draws the total SSE on a logarithmic scale, so the small totals near the end of a run, where the runs often differ most, are spread out instead of lying flat on the axis.</source>
        <translation>Dibuja el SSE total en escala logarítmica, así que los totales pequeños cerca del final de una ejecución, donde las ejecuciones suelen diferir más, se separan en lugar de quedar planos sobre el eje.</translation>
    </message>
    <message>
        <source>The network&apos;s hits and misses</source>
        <translation>Los aciertos y fallos de la red</translation>
    </message>
    <message>
        <source>The network&apos;s hits and misses for each output unit, and its accuracy class by class.</source>
        <translation>Los aciertos y fallos de la red para cada unidad de salida, y su exactitud clase por clase.</translation>
    </message>
    <message>
        <source>What the tables below show</source>
        <translation>Qué muestran las tablas de abajo</translation>
    </message>
    <message>
        <source>Says what the tables below count, and for which files.</source>
        <translation>Dice qué cuentan las tablas de abajo y para qué archivos.</translation>
    </message>
    <message>
        <source>Hits and misses for each output unit and each class</source>
        <translation>Aciertos y fallos de cada unidad de salida y de cada clase</translation>
    </message>
    <message>
        <source>For the training file and for the file the network was last tested on: each output unit&apos;s hits and misses and, when the desired outputs are one-hot (one unit on in every pattern, as in letters.net), a class-by-class table with the accuracy. Its rows are the class wanted, its columns the class answered (the unit with the highest activation). You can select and copy the text.</source>
        <translation>Para el archivo de entrenamiento y para el último archivo con el que se probó la red: los aciertos y fallos de cada unidad de salida y, cuando las salidas deseadas son «one-hot» (una unidad encendida en cada patrón, como en letters.net), una tabla clase por clase con la exactitud. Sus filas son la clase deseada y sus columnas la clase respondida (la unidad con la activación más alta). Puedes seleccionar y copiar el texto.</translation>
    </message>
    <message>
        <source>Add these tables to the report and the workbook</source>
        <translation>Añade estas tablas al informe y al libro</translation>
    </message>
    <message>
        <source>When ticked, the text report gets these tables after its sections and the workbook a &quot;Confusion&quot; sheet after its own. Unticked, both are exactly as before.</source>
        <translation>Cuando está marcada, el informe de texto recibe estas tablas tras sus secciones y el libro una hoja &quot;Confusion&quot; tras las suyas. Sin marcar, los dos quedan exactamente como antes.</translation>
    </message>
    <message>
        <source>Count again</source>
        <translation>Vuelve a contar</translation>
    </message>
    <message>
        <source>Counts the hits and misses again for the network as it is now, after more training or a test on another file. Coming back to this page does the same.</source>
        <translation>Vuelve a contar los aciertos y fallos de la red tal como está ahora, tras más entrenamiento o una prueba con otro archivo. Volver a esta página hace lo mismo.</translation>
    </message>
    <message>
        <source>Closes the confusion tables (Escape does the same).</source>
        <translation>Cierra las tablas de confusión (Escape hace lo mismo).</translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <source>Epoch</source>
        <translation>Época</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>SSE total</translation>
    </message>
    <message>
        <source>A table of 1 row: epoch and total SSE.</source>
        <translation>Una tabla de 1 fila: época y SSE total.</translation>
    </message>
    <message>
        <source>A table of %1 rows: epoch and total SSE.</source>
        <translation>Una tabla de %1 filas: época y SSE total.</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>Lessons</source>
        <translation>Lecciones</translation>
    </message>
    <message>
        <source>What this step says</source>
        <translation>Qué dice este paso</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Ver respuesta</translation>
    </message>
    <message>
        <source>Start This Lesson</source>
        <translation>Empezar esta lección</translation>
    </message>
    <message>
        <source>Previous Step</source>
        <translation>Paso anterior</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Paso siguiente</translation>
    </message>
    <message>
        <source>Each lesson sets up the training page for you. Read the step, think about the question, then check your answer.</source>
        <translation>Cada lección prepara la página de entrenamiento por ti. Lee el paso, piensa en la pregunta y luego comprueba tu respuesta.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>LoadFile</name>
    <message>
        <source>Perceptron -- Load File -- Tarvik Neural Net Code</source>
        <translation>Perceptrón -- Cargar archivo -- Código de redes neuronales Tarvik</translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation>Programa Perceptrón Tarvik, edición 2003</translation>
    </message>
    <message>
        <source>Use &quot;Double Clicks&quot; To Choose The File To Train The Network</source>
        <translation>Haz &quot;doble clic&quot; para elegir el archivo con el que entrenar la red</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation>Abrir una red guardada</translation>
    </message>
    <message>
        <source>Open A Saved
Network</source>
        <translation>Abrir una red
guardada</translation>
    </message>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation>Crear o editar un conjunto de entrenamiento</translation>
    </message>
    <message>
        <source>Make Or Edit A
Training Set</source>
        <translation>Crear o editar
conj. entren.</translation>
    </message>
    <message>
        <source>Training File Information</source>
        <translation>Datos del archivo de entrenamiento</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source># of Output Units:</source>
        <translation>N.º de unidades de salida:</translation>
    </message>
    <message>
        <source># of Input Units:</source>
        <translation>N.º de unidades de entrada:</translation>
    </message>
    <message>
        <source># of Patterns:</source>
        <translation>N.º de patrones:</translation>
    </message>
    <message>
        <source>Go To Next Page To Set Training Parameters</source>
        <translation>Ir a la página siguiente para ajustar el entrenamiento</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, un perceptrón para el aula. Escrito por los desarrolladores de Vantorelle para estudiantes que quieren ver cómo aprende una red.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lecciones</translation>
    </message>
</context>
<context>
    <name>MakeTrainingSet</name>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation>Crear o editar un conjunto de entrenamiento</translation>
    </message>
    <message>
        <source>Add &amp;Row</source>
        <translation>Añadir &amp;fila</translation>
    </message>
    <message>
        <source>Duplicate Rows</source>
        <translation>Duplicar filas</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Borrar filas</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Add Input</source>
        <translation>Añadir entrada</translation>
    </message>
    <message>
        <source>Add Output</source>
        <translation>Añadir salida</translation>
    </message>
    <message>
        <source>Duplicate Column</source>
        <translation>Duplicar columna</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Borrar columna</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Conjunto:</translation>
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
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Gaussian Clouds</source>
        <translation>Nubes gaussianas</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Classes:</source>
        <translation>Clases:</translation>
    </message>
    <message>
        <source>Points per class:</source>
        <translation>Puntos por clase:</translation>
    </message>
    <message>
        <source>Spread:</source>
        <translation>Dispersión:</translation>
    </message>
    <message>
        <source>Noise:</source>
        <translation>Ruido:</translation>
    </message>
    <message>
        <source>Separable</source>
        <translation>Separables</translation>
    </message>
    <message>
        <source>Letters:</source>
        <translation>Letras:</translation>
    </message>
    <message>
        <source>ABCDEFGHIJKLMNOPQRSTUVWXYZ</source>
        <translation>ABCDEFGHIJKLMNOPQRSTUVWXYZ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copias:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>Split Off A Test File</source>
        <translation>Separar un archivo de prueba</translation>
    </message>
    <message>
        <source>Hold out (%):</source>
        <translation>Reservar (%):</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Saving holds that share of the patterns, drawn with the seed, out of the training file and writes them to a test file beside it (NAME-test.net).</source>
        <translation>Al guardar, esa parte de los patrones, elegida con la semilla, se saca del archivo de entrenamiento y se escribe en un archivo de prueba a su lado (NOMBRE-test.net).</translation>
    </message>
    <message>
        <source>&amp;Save As Training File...</source>
        <translation>Guardar como a&amp;rchivo de entrenamiento...</translation>
    </message>
    <message>
        <source>Save And &amp;Train On It...</source>
        <translation>Guardar y en&amp;trenar con él...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>T&amp;able</source>
        <translation>T&amp;abla</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Dibujo</translation>
    </message>
    <message>
        <source>&amp;New points:</source>
        <translation>&amp;Nuevos puntos:</translation>
    </message>
    <message>
        <source>Import &amp;CSV</source>
        <translation>Importar &amp;CSV</translation>
    </message>
</context>
<context>
    <name>NetworkFiles</name>
    <message>
        <source>Saved networks (*.vnet);;All files (*)</source>
        <translation>Redes guardadas (*.vnet);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>There is no trained network to save yet: train one first.</source>
        <translation>Aún no hay ninguna red entrenada que guardar: entrena una primero.</translation>
    </message>
    <message>
        <source>A note to keep with the network (who trained it, on what, why), or none:</source>
        <translation>Una nota que se guarda con la red (quién la entrenó, con qué, por qué), o ninguna:</translation>
    </message>
    <message>
        <source>Save The Trained Network</source>
        <translation>Guardar la red entrenada</translation>
    </message>
    <message>
        <source>The network has been saved as &quot;%1&quot;.</source>
        <translation>La red se ha guardado como «%1».</translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation>Abrir una red guardada</translation>
    </message>
    <message>
        <source>The note saved with this network:</source>
        <translation>La nota guardada con esta red:</translation>
    </message>
</context>
<context>
    <name>NetworkView</name>
    <message>
        <source>The Network&apos;s Weights And Decisions</source>
        <translation>Los pesos y las decisiones de la red</translation>
    </message>
    <message>
        <source>Page title</source>
        <translation>Título de la página</translation>
    </message>
    <message>
        <source>Network shown</source>
        <translation>Red mostrada</translation>
    </message>
    <message>
        <source>Views of the network</source>
        <translation>Vistas de la red</translation>
    </message>
    <message>
        <source>&amp;Weights</source>
        <translation>&amp;Pesos</translation>
    </message>
    <message>
        <source>Picture &amp;width:</source>
        <translation>&amp;Ancho de imagen:</translation>
    </message>
    <message>
        <source>Picture width in cells</source>
        <translation>Ancho de la imagen en celdas</translation>
    </message>
    <message>
        <source>How many cells wide each unit&apos;s picture of weights is</source>
        <translation>Cuántas celdas de ancho tiene la imagen de los pesos de cada unidad</translation>
    </message>
    <message>
        <source>Point at a cell, or tab to the picture and use the arrow keys, to read its weight.</source>
        <translation>Señala una celda, o ve con el tabulador a la imagen y usa las flechas, para leer su peso.</translation>
    </message>
    <message>
        <source>Weight of the cell pointed at</source>
        <translation>Peso de la celda señalada</translation>
    </message>
    <message>
        <source>Each unit on its own &amp;contrast, from its lowest weight to its highest (shows the shape a unit has learned)</source>
        <translation>Cada unidad con su propio &amp;contraste, de su peso más bajo al más alto (muestra la forma que ha aprendido una unidad)</translation>
    </message>
    <message>
        <source>Each unit on its own contrast</source>
        <translation>Cada unidad con su propio contraste</translation>
    </message>
    <message>
        <source>Weights of each output unit, scrollable</source>
        <translation>Pesos de cada unidad de salida, con desplazamiento</translation>
    </message>
    <message>
        <source>Weights of each output unit</source>
        <translation>Pesos de cada unidad de salida</translation>
    </message>
    <message>
        <source>&amp;Decisions</source>
        <translation>&amp;Decisiones</translation>
    </message>
    <message>
        <source>&amp;Output unit:</source>
        <translation>Unidad de &amp;salida:</translation>
    </message>
    <message>
        <source>Output unit shown on the plane</source>
        <translation>Unidad de salida mostrada en el plano</translation>
    </message>
    <message>
        <source>Decision plane of the output unit</source>
        <translation>Plano de decisión de la unidad de salida</translation>
    </message>
    <message>
        <source>Why the decision plane is not shown</source>
        <translation>Por qué no se muestra el plano de decisión</translation>
    </message>
    <message>
        <source>&amp;Error Curve</source>
        <translation>Curva de &amp;error</translation>
    </message>
    <message>
        <source>&amp;Logarithmic SSE scale</source>
        <translation>Escala &amp;logarítmica de SSE</translation>
    </message>
    <message>
        <source>Logarithmic SSE scale</source>
        <translation>Escala logarítmica de SSE</translation>
    </message>
    <message>
        <source>Error curve: total SSE over epochs</source>
        <translation>Curva de error: SSE total a lo largo de las épocas</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print the picture shown</source>
        <translation>Imprimir la imagen mostrada</translation>
    </message>
    <message>
        <source>&amp;Save Picture</source>
        <translation>&amp;Guardar imagen</translation>
    </message>
    <message>
        <source>Save the picture shown as a PNG or SVG file</source>
        <translation>Guardar la imagen mostrada como archivo PNG o SVG</translation>
    </message>
    <message>
        <source>Exit This Page</source>
        <translation>Salir de esta página</translation>
    </message>
    <message>
        <source>Exit this page</source>
        <translation>Salir de esta página</translation>
    </message>
</context>
<context>
    <name>Perceptron</name>
    <message>
        <source>Perceptron Setup Page -- Tarvik Neural Network Code</source>
        <translation>Perceptrón -- Página de ajustes -- Código de redes neuronales Tarvik</translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation>Programa Perceptrón Tarvik, edición 2003</translation>
    </message>
    <message>
        <source>Choose A Learning Rule</source>
        <translation>Elige una regla de aprendizaje</translation>
    </message>
    <message>
        <source>Delta Rule (Binary Output)</source>
        <translation>Regla delta (salida binaria)</translation>
    </message>
    <message>
        <source>Gradient Descent Rule (Sigmoid Output)</source>
        <translation>Regla del gradiente (salida sigmoide)</translation>
    </message>
    <message>
        <source>Gradient Descent Rule (Gaussian Output)</source>
        <translation>Regla del gradiente (salida gaussiana)</translation>
    </message>
    <message>
        <source>Choose Method(s) For Ending Training</source>
        <translation>Elige cómo terminar el entrenamiento</translation>
    </message>
    <message>
        <source>End After A Maximum Number Of Training Epochs</source>
        <translation>Terminar tras un número máximo de épocas</translation>
    </message>
    <message>
        <source>End When There Are All &quot;Hits&quot; And No &quot;Misses&quot;</source>
        <translation>Terminar con todo &quot;aciertos&quot; y ningún &quot;fallo&quot;</translation>
    </message>
    <message>
        <source>Choose The Maximum Number Of Epochs</source>
        <translation>Elige el número máximo de épocas</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Choose # Of Epochs Between Printouts Of Training Information</source>
        <translation>Elige cada cuántas épocas se muestran datos del entrenamiento</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Choose A Learning Rate</source>
        <translation>Elige una tasa de aprendizaje</translation>
    </message>
    <message>
        <source>0.50</source>
        <translation>0.50</translation>
    </message>
    <message>
        <source>Set The Minimum Level Of Squared Error To Define A &quot;Hit&quot;</source>
        <translation>Fija el error cuadrático mínimo que define un &quot;acierto&quot;</translation>
    </message>
    <message>
        <source>0.01</source>
        <translation>0.01</translation>
    </message>
    <message>
        <source>Choose Order Of Patterns</source>
        <translation>Elige el orden de los patrones</translation>
    </message>
    <message>
        <source>Randomize Patterns Each Epoch</source>
        <translation>Mezclar los patrones en cada época</translation>
    </message>
    <message>
        <source>Do Not Randomize Pattern Order</source>
        <translation>No mezclar el orden de los patrones</translation>
    </message>
    <message>
        <source>Train Output Unit Thresholds?</source>
        <translation>¿Entrenar los umbrales de salida?</translation>
    </message>
    <message>
        <source>Train Thresholds During Learning</source>
        <translation>Entrenar los umbrales al aprender</translation>
    </message>
    <message>
        <source>Hold Thresholds Constant</source>
        <translation>Mantener fijos los umbrales</translation>
    </message>
    <message>
        <source>Choose Starting Weights</source>
        <translation>Elige los pesos iniciales</translation>
    </message>
    <message>
        <source>Default Starts For Weights</source>
        <translation>Pesos iniciales por defecto</translation>
    </message>
    <message>
        <source>User Defined Starts For Weights</source>
        <translation>Pesos iniciales a tu elección</translation>
    </message>
    <message>
        <source>Choose Starting Thresholds</source>
        <translation>Elige los umbrales iniciales</translation>
    </message>
    <message>
        <source>Default Starts For Thresholds</source>
        <translation>Umbrales iniciales por defecto</translation>
    </message>
    <message>
        <source>User Defined Starts For Thresholds</source>
        <translation>Umbrales iniciales a tu elección</translation>
    </message>
    <message>
        <source>Current Weight Settings</source>
        <translation>Ajustes actuales de los pesos</translation>
    </message>
    <message>
        <source>Maximum Weight = </source>
        <translation>Peso máximo = </translation>
    </message>
    <message>
        <source>Minimum Weight = </source>
        <translation>Peso mínimo = </translation>
    </message>
    <message>
        <source>Weight Sign = </source>
        <translation>Signo del peso = </translation>
    </message>
    <message>
        <source>Current Threshold Settings</source>
        <translation>Ajustes actuales de los umbrales</translation>
    </message>
    <message>
        <source>Maximum Threshold = </source>
        <translation>Umbral máximo = </translation>
    </message>
    <message>
        <source>Minimum Threshold = </source>
        <translation>Umbral mínimo = </translation>
    </message>
    <message>
        <source>Threshold Sign = </source>
        <translation>Signo del umbral = </translation>
    </message>
    <message>
        <source>Random Seed (Empty: From The Clock)</source>
        <translation>Semilla al azar (vacía: del reloj)</translation>
    </message>
    <message>
        <source>Step Through Training...</source>
        <translation>Entrenar paso a paso...</translation>
    </message>
    <message>
        <source>Train one pattern at a time and see the arithmetic of each step</source>
        <translation>Entrena un patrón cada vez y mira las cuentas de cada paso</translation>
    </message>
    <message>
        <source>Run With Many Seeds...</source>
        <translation>Ejecutar con muchas semillas...</translation>
    </message>
    <message>
        <source>Train these settings once from each of many seeds and compare the epochs to all hits</source>
        <translation>Entrena estos ajustes una vez con cada una de muchas semillas y compara las épocas hasta tener todo aciertos</translation>
    </message>
    <message>
        <source>Continue Training</source>
        <translation>Seguir entrenando</translation>
    </message>
    <message>
        <source>Test Recall</source>
        <translation>Probar la red</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Start Training</source>
        <translation>Empezar a entrenar</translation>
    </message>
    <message>
        <source>Stop Training</source>
        <translation>Parar el entrenamiento</translation>
    </message>
    <message>
        <source>Training:</source>
        <translation>Entrenamiento:</translation>
    </message>
    <message>
        <source>Vantorelle perceptron trainer, written for students who want to watch a network learn.</source>
        <translation>Entrenador de perceptrón Vantorelle, escrito para estudiantes que quieren ver cómo aprende una red.</translation>
    </message>
</context>
<context>
    <name>PlotSSEdata</name>
    <message>
        <source>Graph of SSE as a function of sweeps of training</source>
        <translation>Gráfica del SSE según los barridos de entrenamiento</translation>
    </message>
    <message>
        <source>To work with this graph electronically, return to the previous page and create an Excel spreadsheet.  The data used to create this graph is saved on one of the worksheets in the spreadsheet that is created, and can be used to create a chart that could be imported into other software packages, such as a word processor.</source>
        <translation>Para trabajar con esta gráfica en el ordenador, vuelve a la página anterior y crea una hoja de cálculo de Excel.  Los datos de esta gráfica se guardan en una de las hojas del libro que se crea, y con ellos puedes hacer un gráfico para llevarlo a otros programas, como un procesador de textos.</translation>
    </message>
    <message>
        <source>Print The Graph</source>
        <translation>Imprimir la gráfica</translation>
    </message>
    <message>
        <source>Exit This Page</source>
        <translation>Salir de esta página</translation>
    </message>
</context>
<context>
    <name>ProbeNetwork</name>
    <message>
        <source>Perceptron Program -- Probe Responses To Selected Patterns</source>
        <translation>Programa Perceptrón -- Probar las respuestas a patrones elegidos</translation>
    </message>
    <message>
        <source>Examine The Network&apos;s Responses To Individual Patterns</source>
        <translation>Examina las respuestas de la red a cada patrón</translation>
    </message>
    <message>
        <source>Use the control to the left to choose a pattern to present to the network.  The results will be added to the text in the textbox below.</source>
        <translation>Usa el control de la izquierda para elegir un patrón y presentarlo a la red.  Los resultados se añadirán al texto del cuadro de abajo.</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear The Text In The Window</source>
        <translation>Borrar el texto de la ventana</translation>
    </message>
    <message>
        <source>Print The Text In The Window</source>
        <translation>Imprimir el texto de la ventana</translation>
    </message>
    <message>
        <source>Close Form</source>
        <translation>Cerrar página</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer &quot;%1&quot; cannot print &quot;%2&quot;.<byte value="xd"/>Nothing was printed.</source>
        <translation>La impresora «%1» no puede imprimir «%2».<byte value="xd"/>No se ha impreso nada.</translation>
    </message>
    <message>
        <source>No printer is installed on this computer, so &quot;%1&quot; cannot be printed.<byte value="xd"/>Do you want to save the same page as a PDF file instead?</source>
        <translation>En este ordenador no hay ninguna impresora instalada, así que «%1» no se puede imprimir.<byte value="xd"/>¿Quieres guardar la misma página como archivo PDF?</translation>
    </message>
    <message>
        <source>Save The Page As A PDF File</source>
        <translation>Guardar la página como archivo PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2.<byte value="xd"/>Nothing was saved.</source>
        <translation>El archivo «%1» no se puede escribir: %2.<byte value="xd"/>No se ha guardado nada.</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se ha podido dibujar la página</translation>
    </message>
</context>
<context>
    <name>SaveResults</name>
    <message>
        <source>Save Results To A Text File -- Tarvik Neural Network Code</source>
        <translation>Guardar resultados en un archivo de texto -- Código de redes neuronales Tarvik</translation>
    </message>
    <message>
        <source>Tarvik Perceptron Program 2003 Edition</source>
        <translation>Programa Perceptrón Tarvik, edición 2003</translation>
    </message>
    <message>
        <source>Choose The Name Of The File To Be Saved</source>
        <translation>Elige el nombre del archivo que se va a guardar</translation>
    </message>
    <message>
        <source>Choose The Properties To Save In The File</source>
        <translation>Elige qué datos guardar en el archivo</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Create A New Directory</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Create A New Filename</source>
        <translation>Nuevo archivo</translation>
    </message>
    <message>
        <source>General Information (Training info etc.)</source>
        <translation>Datos generales (del entrenamiento, etc.)</translation>
    </message>
    <message>
        <source>Network Responses</source>
        <translation>Respuestas de la red</translation>
    </message>
    <message>
        <source>Network Errors</source>
        <translation>Errores de la red</translation>
    </message>
    <message>
        <source>Connection Weights</source>
        <translation>Pesos de las conexiones</translation>
    </message>
    <message>
        <source>Input Patterns</source>
        <translation>Patrones de entrada</translation>
    </message>
    <message>
        <source>Output Patterns</source>
        <translation>Patrones de salida</translation>
    </message>
    <message>
        <source>Network SSE As A Function Of Sweeps</source>
        <translation>SSE de la red según los barridos</translation>
    </message>
    <message>
        <source>Name Of File To Be Saved:</source>
        <translation>Nombre del archivo a guardar:</translation>
    </message>
    <message>
        <source>Save The File</source>
        <translation>Guardar el archivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, un perceptrón para el aula. Escrito por los desarrolladores de Vantorelle para estudiantes que quieren ver cómo aprende una red.</translation>
    </message>
</context>
<context>
    <name>SeedsPanel</name>
    <message>
        <source>Run With Many Seeds</source>
        <translation>Ejecutar con muchas semillas</translation>
    </message>
    <message>
        <source>The set-up page&apos;s settings, trained once from each seed: how much of the result is the random start&apos;s.</source>
        <translation>Lo elegido en la página de ajustes, entrenado una vez con cada semilla: cuánto del resultado se debe al comienzo al azar.</translation>
    </message>
    <message>
        <source>&amp;First seed:</source>
        <translation>&amp;Primera semilla:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;Seeds:</source>
        <translation>&amp;Semillas:</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
</context>
<context>
    <name>StepPanel</name>
    <message>
        <source>Step Through Training</source>
        <translation>Entrenar paso a paso</translation>
    </message>
    <message>
        <source>Step One &amp;Pattern</source>
        <translation>Avanzar un &amp;patrón</translation>
    </message>
    <message>
        <source>Present the next pattern and apply the rule once (F10)</source>
        <translation>Presenta el patrón siguiente y aplica la regla una vez (F10)</translation>
    </message>
    <message>
        <source>Step One &amp;Epoch</source>
        <translation>Avanzar una épo&amp;ca</translation>
    </message>
    <message>
        <source>Go on to the end of this epoch and stop there (F11)</source>
        <translation>Sigue hasta el final de esta época y para ahí (F11)</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>Go on training without stopping after each pattern (F5)</source>
        <translation>Sigue entrenando sin parar tras cada patrón (F5)</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <source>Stop after the current pattern and wait for a step (F6)</source>
        <translation>Para tras el patrón actual y espera un paso (F6)</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Velocidad:</translation>
    </message>
    <message>
        <source>Output &amp;unit:</source>
        <translation>Unidad de &amp;salida:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>TestPerceptron</name>
    <message>
        <source>Testing The Perceptron -- Tarvik Neural Network Code</source>
        <translation>Probar el perceptrón -- Código de redes neuronales Tarvik</translation>
    </message>
    <message>
        <source>Choose A Method For Examining Network Performance By Double-Clicking One Of The List Items Below:</source>
        <translation>Elige una forma de examinar cómo funciona la red haciendo doble clic en una de las opciones de abajo:</translation>
    </message>
    <message>
        <source>Probe Network Responses To Selected Patterns</source>
        <translation>Probar las respuestas de la red a patrones elegidos</translation>
    </message>
    <message>
        <source>Create A Summary In Excel</source>
        <translation>Crear un resumen en Excel</translation>
    </message>
    <message>
        <source>Save Summary As A Text File</source>
        <translation>Guardar el resumen como archivo de texto</translation>
    </message>
    <message>
        <source>Plot SSE By Sweeps</source>
        <translation>Dibujar el SSE según los barridos</translation>
    </message>
    <message>
        <source>View The Network&apos;s Weights And Decisions</source>
        <translation>Ver los pesos y las decisiones de la red</translation>
    </message>
    <message>
        <source>Save The Trained Network</source>
        <translation>Guardar la red entrenada</translation>
    </message>
    <message>
        <source>Choose A Method For Continuing Training By Double-Clicking One Of The List Items Below:</source>
        <translation>Elige una forma de seguir entrenando haciendo doble clic en una de las opciones de abajo:</translation>
    </message>
    <message>
        <source>Reset Weights And Train Again</source>
        <translation>Reiniciar los pesos y entrenar de nuevo</translation>
    </message>
    <message>
        <source>Keep Current Weights And Continue Training</source>
        <translation>Mantener los pesos actuales y seguir entrenando</translation>
    </message>
    <message>
        <source>Train A New Network On A New Problem</source>
        <translation>Entrenar una red nueva con un problema nuevo</translation>
    </message>
    <message>
        <source>Test Current Network On A New Problem</source>
        <translation>Probar la red actual con un problema nuevo</translation>
    </message>
    <message>
        <source>Open A Saved Network</source>
        <translation>Abrir una red guardada</translation>
    </message>
    <message>
        <source>Make Or Edit A Training Set</source>
        <translation>Crear o editar un conjunto de entrenamiento</translation>
    </message>
    <message>
        <source>Or....</source>
        <translation>O bien...</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Vantorelle, a perceptron for the classroom. Written by the Vantorelle developers for students who want to watch a network learn.</source>
        <translation>Vantorelle, un perceptrón para el aula. Escrito por los desarrolladores de Vantorelle para estudiantes que quieren ver cómo aprende una red.</translation>
    </message>
    <message>
        <source>Compare Kept Runs</source>
        <translation>Comparar ejecuciones guardadas</translation>
    </message>
    <message>
        <source>Confusion Tables And Accuracy</source>
        <translation>Tablas de confusión y exactitud</translation>
    </message>
</context>
<context>
    <name>WeightStart</name>
    <message>
        <source>Set Parameters For Randomly Choosing Initial Weights</source>
        <translation>Ajustes para elegir al azar los pesos iniciales</translation>
    </message>
    <message>
        <source>Use The Controls Below To Control The Range Of Numbers From Which Weights Will Be Randomly Selected</source>
        <translation>Usa los controles de abajo para fijar el rango de números del que se eligen al azar los pesos</translation>
    </message>
    <message>
        <source>Set The Maximum (Absolute) Value Of A Random Starting Weight</source>
        <translation>Fija el valor máximo (absoluto) de un peso inicial al azar</translation>
    </message>
    <message>
        <source>0.10</source>
        <translation>0.10</translation>
    </message>
    <message>
        <source>Set The Minimum (Absolute) Value Of A Random Starting Weight</source>
        <translation>Fija el valor mínimo (absoluto) de un peso inicial al azar</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Weight Sign Selector</source>
        <translation>Signo de los pesos</translation>
    </message>
    <message>
        <source>Positive &amp;&amp; Negative Weights</source>
        <translation>Pesos positivos y negativos</translation>
    </message>
    <message>
        <source>Only Positive Weights</source>
        <translation>Solo pesos positivos</translation>
    </message>
    <message>
        <source>Only Negative Weights</source>
        <translation>Solo pesos negativos</translation>
    </message>
    <message>
        <source>Use These Settings</source>
        <translation>Usar estos ajustes</translation>
    </message>
    <message>
        <source>Use Default Settings</source>
        <translation>Usar ajustes por defecto</translation>
    </message>
</context>
<context>
    <name>vantorelle::CompareRuns</name>
    <message>
        <source>Total SSE of the chosen runs over epochs</source>
        <translation>SSE total de las ejecuciones elegidas a lo largo de las épocas</translation>
    </message>
    <message>
        <source>&amp;Logarithmic scale</source>
        <translation>Escala &amp;logarítmica</translation>
    </message>
    <message>
        <source>SSE &amp;Curves</source>
        <translation>C&amp;urvas de SSE</translation>
    </message>
    <message>
        <source>Settings and outcomes of the chosen runs</source>
        <translation>Ajustes y resultados de las ejecuciones elegidas</translation>
    </message>
    <message>
        <source>Rows marked %1, in bold on a tinted ground, differ between the runs.</source>
        <translation>Las filas marcadas con %1, en negrita sobre fondo de color, son distintas entre las ejecuciones.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Decision planes of the chosen runs</source>
        <translation>Planos de decisión de las ejecuciones elegidas</translation>
    </message>
    <message>
        <source>&amp;Decision Planes</source>
        <translation>&amp;Planos de decisión</translation>
    </message>
    <message>
        <source>Confusion tables of the chosen runs</source>
        <translation>Tablas de confusión de las ejecuciones elegidas</translation>
    </message>
    <message>
        <source>Con&amp;fusion</source>
        <translation>Con&amp;fusión</translation>
    </message>
    <message>
        <source>No run has ended yet this sitting: each run the set-up page trains is kept here.</source>
        <translation>Aún no ha terminado ninguna ejecución en esta sesión: aquí se guarda cada ejecución que entrena la página de ajustes.</translation>
    </message>
    <message>
        <source>Tick two or more runs to lay their curves over each other.</source>
        <translation>Marca dos o más ejecuciones para superponer sus curvas.</translation>
    </message>
    <message>
        <source>The total SSE after every epoch of each run.</source>
        <translation>El SSE total tras cada época de cada ejecución.</translation>
    </message>
    <message>
        <source>Decision plane of %1</source>
        <translation>Plano de decisión de %1</translation>
    </message>
    <message>
        <source>Tick the runs whose decisions to show.</source>
        <translation>Marca las ejecuciones cuyas decisiones quieres ver.</translation>
    </message>
    <message>
        <source>Runs on files without exactly two inputs have no plane.</source>
        <translation>Las ejecuciones con archivos que no tienen exactamente dos entradas no tienen plano.</translation>
    </message>
    <message>
        <source>Output unit 1 of each run; black discs want 1, white want 0, ringed ones are missed.</source>
        <translation>Unidad de salida 1 de cada ejecución; los discos negros quieren 1, los blancos 0, los que tienen anillo son fallos.</translation>
    </message>
    <message>
        <source>; all hits: %1</source>
        <translation>; todo aciertos: %1</translation>
    </message>
    <message>
        <source>Select the run to save in the list first.</source>
        <translation>Elige primero en la lista la ejecución que quieres guardar.</translation>
    </message>
    <message>
        <source>Saving a network is not available here.</source>
        <translation>Aquí no se puede guardar una red.</translation>
    </message>
</context>
<context>
    <name>vantorelle::ConfusionTables</name>
    <message>
        <source>No network yet: read a training file and train it first.</source>
        <translation>Aún no hay red: lee un archivo de entrenamiento y entrénala primero.</translation>
    </message>
</context>
<context>
    <name>vantorelle::CsvImportPanel</name>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignorada</translation>
    </message>
    <message>
        <source>&amp;Open CSV File...</source>
        <translation>Abrir archivo CS&amp;V...</translation>
    </message>
    <message>
        <source>No file chosen.</source>
        <translation>No se ha elegido ningún archivo.</translation>
    </message>
    <message>
        <source>&amp;Import Into The Table</source>
        <translation>&amp;Importar a la tabla</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation>Coma ( , )</translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation>Punto y coma ( ; )</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Bar ( | )</source>
        <translation>Barra ( | )</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>La primera fila es un encabezado</translation>
    </message>
    <message>
        <source>No header row</source>
        <translation>Sin fila de encabezado</translation>
    </message>
    <message>
        <source>Decimal point (1.5)</source>
        <translation>Punto decimal (1.5)</translation>
    </message>
    <message>
        <source>Decimal comma (1,5)</source>
        <translation>Coma decimal (1,5)</translation>
    </message>
    <message>
        <source>The file&apos;s first rows, and what each column is for</source>
        <translation>Las primeras filas del archivo y para qué sirve cada columna</translation>
    </message>
    <message>
        <source>D&amp;elimiter:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>&amp;Header:</source>
        <translation>&amp;Encabezado:</translation>
    </message>
    <message>
        <source>Nu&amp;mbers:</source>
        <translation>Nú&amp;meros:</translation>
    </message>
    <message>
        <source>The first row of the grid says what each column is for: Input, Output, Class (one output per value, 1 for the row&apos;s class and 0 for the others) or Ignored.</source>
        <translation>La primera fila de la cuadrícula dice para qué sirve cada columna: Entrada, Salida, Clase (una salida por cada valor, 1 para la clase de la fila y 0 para las demás) o Ignorada.</translation>
    </message>
    <message>
        <source>Open A CSV File</source>
        <translation>Abrir un archivo CSV</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened.</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>Column %1 is</source>
        <translation>La columna %1 es</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>The file holds no rows.</source>
        <translation>El archivo no tiene filas.</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>Columnas: %1 y %2</translation>
    </message>
    <message>
        <source>, and column %1 as the class</source>
        <translation>, y la columna %1 como clase</translation>
    </message>
    <message>
        <source>Only one column can be the class: the others are ignored. </source>
        <translation>Solo una columna puede ser la clase: las demás se ignoran. </translation>
    </message>
    <message>
        <source>The first %1 rows are shown.</source>
        <translation>Se muestran las primeras %1 filas.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>Read %1 of %2 and %3 from &quot;%4&quot;.</source>
        <translation>Leído de &quot;%4&quot;: %1 con %2 y %3.</translation>
    </message>
    <message>
        <source>%1 = output %2</source>
        <translation>%1 = salida %2</translation>
    </message>
    <message>
        <source> Classes: %1.</source>
        <translation> Clases: %1.</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Archivos CSV (*.csv *.tsv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 input column</source>
        <translation>%1 columna de entrada</translation>
    </message>
    <message>
        <source>%1 input columns</source>
        <translation>%1 columnas de entrada</translation>
    </message>
    <message>
        <source>%1 output column</source>
        <translation>%1 columna de salida</translation>
    </message>
    <message>
        <source>%1 output columns</source>
        <translation>%1 columnas de salida</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>%1 patrón</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 patrones</translation>
    </message>
    <message>
        <source>%1 input</source>
        <translation>%1 entrada</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>%1 output</source>
        <translation>%1 salida</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 salidas</translation>
    </message>
</context>
<context>
    <name>vantorelle::DecisionView</name>
    <message>
        <source>sigmoid unit (Gradient rule)</source>
        <translation>sigmoide (regla del gradiente)</translation>
    </message>
    <message>
        <source>Gaussian unit (Tarvik rule)</source>
        <translation>gaussiana (regla de Tarvik)</translation>
    </message>
    <message>
        <source>step unit (Delta rule)</source>
        <translation>escalón (regla delta)</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 entrada</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>The decision plane is drawn for networks with exactly two inputs, one along each side of the plane. This network has %1, so its patterns do not lie in such a plane; the weights show what each output unit has learned instead.</source>
        <translation>El plano de decisión se dibuja para redes con exactamente dos entradas, una a lo largo de cada lado del plano. Esta red tiene %1, así que sus patrones no caben en un plano así; en su lugar, los pesos muestran lo que ha aprendido cada unidad de salida.</translation>
    </message>
    <message>
        <source>There is no network to draw yet.</source>
        <translation>Aún no hay ninguna red que dibujar.</translation>
    </message>
    <message>
        <source>The network has no weights yet: train it on the set-up page first.</source>
        <translation>La red aún no tiene pesos: entrénala primero en la página de ajustes.</translation>
    </message>
    <message>
        <source>Input 1</source>
        <translation>Entrada 1</translation>
    </message>
    <message>
        <source>Input 2</source>
        <translation>Entrada 2</translation>
    </message>
    <message>
        <source>Output %1, a %2</source>
        <translation>Salida %1: %2</translation>
    </message>
    <message>
        <source>Shade: its activation</source>
        <translation>Sombreado: su activación</translation>
    </message>
    <message>
        <source>1 (it answers 1)</source>
        <translation>1 (responde 1)</translation>
    </message>
    <message>
        <source>0 (it answers 0)</source>
        <translation>0 (responde 0)</translation>
    </message>
    <message>
        <source>pattern, desired output 1</source>
        <translation>patrón, salida deseada 1</translation>
    </message>
    <message>
        <source>pattern, desired output 0</source>
        <translation>patrón, salida deseada 0</translation>
    </message>
    <message>
        <source>missed: squared error not below %1</source>
        <translation>fallo: error cuadrático ≥ %1</translation>
    </message>
    <message>
        <source>edges of the band where it answers 1</source>
        <translation>bordes de la franja donde responde 1</translation>
    </message>
    <message>
        <source>boundary: the answer changes</source>
        <translation>frontera: la respuesta cambia</translation>
    </message>
    <message>
        <source>Missed: %1 of %2 patterns</source>
        <translation>Fallos: %1 de %2 patrones</translation>
    </message>
</context>
<context>
    <name>vantorelle::ErrorCurveView</name>
    <message>
        <source>Showing the first %1 recorded points of %2</source>
        <translation>Se muestran los primeros %1 puntos guardados de %2</translation>
    </message>
    <message>
        <source>No error has been recorded yet: train the network on the set-up page first.</source>
        <translation>Aún no se ha guardado ningún error: entrena primero la red en la página de ajustes.</translation>
    </message>
    <message>
        <source>Total SSE after %1 epochs: %2</source>
        <translation>SSE total tras %1 épocas: %2</translation>
    </message>
    <message>
        <source>Epochs</source>
        <translation>Épocas</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>SSE total</translation>
    </message>
</context>
<context>
    <name>vantorelle::FileBrowser</name>
    <message>
        <source>The drive &quot;%1&quot; cannot be read: %2.<byte value="xd"/>The lists still show &quot;%3&quot;.</source>
        <translation>No se puede leer el disco «%1»: %2.<byte value="xd"/>Las listas siguen mostrando «%3».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be listed: %2.<byte value="xd"/>The lists still show &quot;%3&quot;.</source>
        <translation>No se puede mostrar el contenido de la carpeta «%1»: %2.<byte value="xd"/>Las listas siguen mostrando «%3».</translation>
    </message>
</context>
<context>
    <name>vantorelle::FolderList</name>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
</context>
<context>
    <name>vantorelle::Generalize</name>
    <message>
        <source>New file does not have the same number of inputs or outputs as the old!</source>
        <translation>¡El archivo nuevo no tiene el mismo número de entradas o salidas que el antiguo!</translation>
    </message>
    <message>
        <source>New file not input because it does not have the same number of inputs or outputs as the old!</source>
        <translation>¡El archivo nuevo no se ha leído porque no tiene el mismo número de entradas o salidas que el antiguo!</translation>
    </message>
    <message>
        <source>No file name has been selected!</source>
        <translation>¡No se ha elegido ningún nombre de archivo!</translation>
    </message>
</context>
<context>
    <name>vantorelle::Lessons</name>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>%1 (cannot be opened)</source>
        <translation>%1 (no se puede abrir)</translation>
    </message>
    <message>
        <source>No lessons found</source>
        <translation>No se han encontrado lecciones</translation>
    </message>
    <message>
        <source>There are no lesson files in the lessons folder.</source>
        <translation>No hay archivos de lecciones en la carpeta de lecciones.</translation>
    </message>
    <message>
        <source>This lesson file cannot be opened.</source>
        <translation>No se puede abrir este archivo de lección.</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 paso</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pasos</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; cannot put its training set in place: %2</source>
        <translation>La lección &quot;%1&quot; no puede preparar su conjunto de entrenamiento: %2</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Paso %1 de %2</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Pregunta: %1</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>Paso siguiente</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Último paso</translation>
    </message>
    <message>
        <source>Open The Step Panel</source>
        <translation>Abrir el panel de pasos</translation>
    </message>
    <message>
        <source>Start Training</source>
        <translation>Empezar a entrenar</translation>
    </message>
    <message>
        <source>Show The Decision Plane</source>
        <translation>Ver el plano de decisión</translation>
    </message>
    <message>
        <source>Show The Weights</source>
        <translation>Ver los pesos</translation>
    </message>
    <message>
        <source>Show The Error Curve</source>
        <translation>Ver la curva de error</translation>
    </message>
    <message>
        <source>Show The SSE Graph</source>
        <translation>Ver la gráfica del SSE</translation>
    </message>
    <message>
        <source>Test On The Held-Out Patterns</source>
        <translation>Probar con los patrones reservados</translation>
    </message>
    <message>
        <source>Train the network first: the held-out patterns test what it has learned.</source>
        <translation>Entrena primero la red: los patrones reservados prueban lo que ha aprendido.</translation>
    </message>
    <message>
        <source>The held-out patterns do not fit the network.</source>
        <translation>Los patrones reservados no encajan con la red.</translation>
    </message>
    <message>
        <source>The lesson is shown in English: %1</source>
        <translation>La lección se muestra en inglés: %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::MakeTrainingSet</name>
    <message>
        <source>Training files (*.net);;All files (*)</source>
        <translation>Archivos de entrenamiento (*.net);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 pattern</source>
        <translation>%1 patrón</translation>
    </message>
    <message>
        <source>%1 patterns</source>
        <translation>%1 patrones</translation>
    </message>
    <message>
        <source>%1 input</source>
        <translation>%1 entrada</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>%1 output</source>
        <translation>%1 salida</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 salidas</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>A training set needs one input and one output at least: %1 stays.</source>
        <translation>Un conjunto de entrenamiento necesita al menos una entrada y una salida: %1 se queda.</translation>
    </message>
    <message>
        <source>%1 of %2 and %3</source>
        <comment>26 patterns of 35 inputs and 26 outputs</comment>
        <translation>%1 con %2 y %3</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>Generar %1</translation>
    </message>
    <message>
        <source>Hold out (%): &quot;%1&quot; is not a share from 0 to below 100.</source>
        <translation>Reservar (%): «%1» no es una parte de 0 a menos de 100.</translation>
    </message>
    <message>
        <source>Hold out (%): %1% of %2 leaves none to hold out.</source>
        <translation>Reservar (%): el %1 % de %2 no deja ninguno que reservar.</translation>
    </message>
    <message>
        <source>Hold out (%): %1% of %2 leaves none to train on.</source>
        <translation>Reservar (%): el %1 % de %2 no deja ninguno para entrenar.</translation>
    </message>
    <message>
        <source>Save The Training Set</source>
        <translation>Guardar el conjunto de entrenamiento</translation>
    </message>
    <message>
        <source>The test file &quot;%1&quot; exists.<byte value="xd"/>Replace it?</source>
        <translation>El archivo de prueba «%1» ya existe.<byte value="xd"/>¿Quieres sustituirlo?</translation>
    </message>
    <message>
        <source>Saved &quot;%1&quot;: %2.</source>
        <translation>Guardado «%1»: %2.</translation>
    </message>
    <message>
        <source>The %1 held out are in &quot;%2&quot;.</source>
        <translation>Los %1 reservados están en «%2».</translation>
    </message>
</context>
<context>
    <name>vantorelle::NetworkView</name>
    <message>
        <source>%1: %2, %3, %4, %5 rule.</source>
        <translation>%1: %2, %3, %4, regla %5.</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>patrón</translation>
    </message>
    <message>
        <source>patterns</source>
        <translation>patrones</translation>
    </message>
    <message>
        <source>input</source>
        <translation>entrada</translation>
    </message>
    <message>
        <source>inputs</source>
        <translation>entradas</translation>
    </message>
    <message>
        <source>output</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>outputs</source>
        <translation>salidas</translation>
    </message>
    <message>
        <source>Epoch %1: total SSE %2, misses %3</source>
        <translation>Época %1: SSE total %2, fallos %3</translation>
    </message>
    <message>
        <source> (training)</source>
        <translation> (entrenando)</translation>
    </message>
    <message>
        <source>Decision Plane Of Output %1 - %2</source>
        <translation>Plano de decisión de la salida %1 - %2</translation>
    </message>
    <message>
        <source>Error Curve - %1</source>
        <translation>Curva de error - %1</translation>
    </message>
    <message>
        <source>Weights Of The Network - %1</source>
        <translation>Pesos de la red - %1</translation>
    </message>
    <message>
        <source>Save The Picture</source>
        <translation>Guardar la imagen</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation>%1 ya existe.<byte value="xd"/>¿Quieres sustituirlo?</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG or SVG files.<byte value="xd"/>Please choose a name ending in .png or .svg.</source>
        <translation>Las imágenes se guardan como archivos PNG o SVG.<byte value="xd"/>Elige un nombre que termine en .png o .svg.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;.<byte value="xd"/>%2</source>
        <translation>No se ha podido guardar la imagen como &quot;%1&quot;.<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation>No se ha podido empezar el dibujo.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>No se ha podido escribir la imagen.</translation>
    </message>
</context>
<context>
    <name>vantorelle::Perceptron</name>
    <message>
        <source>Epochs of this run</source>
        <translation>Épocas de esta ejecución</translation>
    </message>
    <message>
        <source>from the clock</source>
        <translation>del reloj</translation>
    </message>
    <message>
        <source>Ends the run after the current epoch (Esc)</source>
        <translation>Termina la ejecución tras la época actual (Esc)</translation>
    </message>
    <message>
        <source>Maximum Weight = %1</source>
        <translation>Peso máximo = %1</translation>
    </message>
    <message>
        <source>Minimum Weight = %1</source>
        <translation>Peso mínimo = %1</translation>
    </message>
    <message>
        <source>Weight Sign = %1</source>
        <translation>Signo del peso = %1</translation>
    </message>
    <message>
        <source>Maximum Threshold = %1</source>
        <translation>Umbral máximo = %1</translation>
    </message>
    <message>
        <source>Minimum Threshold = %1</source>
        <translation>Umbral mínimo = %1</translation>
    </message>
    <message>
        <source>Threshold Sign = %1</source>
        <translation>Signo del umbral = %1</translation>
    </message>
    <message>
        <source>The random seed must be a whole number from 0 to 18446744073709551615, or empty for a seed from the clock.</source>
        <translation>La semilla debe ser un número entero de 0 a 18446744073709551615, o quedar vacía para tomarla del reloj.</translation>
    </message>
    <message>
        <source>Seed Of This Run = %1</source>
        <translation>Semilla de esta ejecución = %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::PlotSSEdata</name>
    <message>
        <source>%1: the history keeps no more.</source>
        <translation>%1: el historial no guarda más.</translation>
    </message>
    <message>
        <source>Total Sum Of Squared Error As A Function Of Training Sweeps</source>
        <translation>Suma total del error cuadrático según los barridos de entrenamiento</translation>
    </message>
    <message>
        <source>Network SSE</source>
        <translation>SSE de la red</translation>
    </message>
    <message>
        <source>Sweeps Of Training</source>
        <translation>Barridos de entrenamiento</translation>
    </message>
</context>
<context>
    <name>vantorelle::ProbeNetwork</name>
    <message>
        <source>Pattern: %1</source>
        <translation>Patrón: %1</translation>
    </message>
    <message>
        <source>Response (A):</source>
        <translation>Respuesta (A):</translation>
    </message>
    <message>
        <source>Desired  (D):</source>
        <translation>Deseada  (D):</translation>
    </message>
    <message>
        <source>Error  (D-A):</source>
        <translation>Error  (D-A):</translation>
    </message>
    <message>
        <source>Close the page? The probe results in its window will be lost.</source>
        <translation>¿Cerrar la página? Los resultados de las pruebas de su ventana se perderán.</translation>
    </message>
    <message>
        <source>The network has not been built for the patterns of &quot;%1&quot; yet, so they cannot be probed.<byte value="xd"/>Train a network on them first.</source>
        <translation>La red aún no se ha construido para los patrones de «%1», así que no se pueden probar.<byte value="xd"/>Entrena primero una red con ellos.</translation>
    </message>
    <message>
        <source>Pattern Number</source>
        <translation>Número de patrón</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the number of a pattern.<byte value="xd"/>Type a whole number from 1 to %2.</source>
        <translation>«%1» no es el número de un patrón.<byte value="xd"/>Escribe un número entero de 1 a %2.</translation>
    </message>
    <message>
        <source>Results Of Testing Distributed Memory On %1</source>
        <translation>Resultados de probar la memoria distribuida con %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::RunCurvesView</name>
    <message>
        <source>Epochs</source>
        <translation>Épocas</translation>
    </message>
    <message>
        <source>Total SSE</source>
        <translation>SSE total</translation>
    </message>
</context>
<context>
    <name>vantorelle::SaveResults</name>
    <message>
        <source>A folder name cannot be made of blanks only.</source>
        <translation>El nombre de una carpeta no puede tener solo espacios.</translation>
    </message>
    <message>
        <source>A file name cannot be made of blanks only.</source>
        <translation>El nombre de un archivo no puede tener solo espacios.</translation>
    </message>
    <message>
        <source>A folder name cannot hold &quot;/&quot;; choose the folder in the lists instead.</source>
        <translation>El nombre de una carpeta no puede contener «/»; elige la carpeta en las listas.</translation>
    </message>
    <message>
        <source>A file name cannot hold &quot;/&quot;; choose the folder in the lists instead.</source>
        <translation>El nombre de un archivo no puede contener «/»; elige la carpeta en las listas.</translation>
    </message>
    <message>
        <source>A folder name cannot be made of dots only.</source>
        <translation>El nombre de una carpeta no puede tener solo puntos.</translation>
    </message>
    <message>
        <source>A file name cannot be made of dots only.</source>
        <translation>El nombre de un archivo no puede tener solo puntos.</translation>
    </message>
    <message>
        <source>A folder name cannot hold a zero character.</source>
        <translation>El nombre de una carpeta no puede contener un carácter nulo.</translation>
    </message>
    <message>
        <source>A file name cannot hold a zero character.</source>
        <translation>El nombre de un archivo no puede contener un carácter nulo.</translation>
    </message>
    <message>
        <source>The name is longer than the %1 bytes a file system allows.</source>
        <translation>El nombre es más largo que los %1 bytes que permite un sistema de archivos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a folder.</source>
        <translation>«%1» no puede ser el nombre de una carpeta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a file.</source>
        <translation>«%1» no puede ser el nombre de un archivo.</translation>
    </message>
    <message>
        <source>Enter name of directory:</source>
        <translation>Escribe el nombre de la carpeta:</translation>
    </message>
    <message>
        <source>Create Directory</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>ya existe</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>un archivo con ese nombre lo impide</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created: %2.<byte value="xd"/>The lists still show &quot;%3&quot;.</source>
        <translation>No se puede crear la carpeta «%1»: %2.<byte value="xd"/>Las listas siguen mostrando «%3».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was created but cannot be listed: %2.</source>
        <translation>La carpeta «%1» se ha creado, pero no se puede mostrar su contenido: %2.</translation>
    </message>
    <message>
        <source>Enter name of file to save:</source>
        <translation>Escribe el nombre del archivo que quieres guardar:</translation>
    </message>
    <message>
        <source>Name File</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>No file has been chosen to save to.<byte value="xd"/>Click a file in the list or use &quot;Create A New Filename&quot; first.</source>
        <translation>No se ha elegido ningún archivo donde guardar.<byte value="xd"/>Haz clic primero en un archivo de la lista o usa «Nuevo archivo».</translation>
    </message>
    <message>
        <source>File already exists -- overwrite it?</source>
        <translation>El archivo ya existe -- ¿sobrescribirlo?</translation>
    </message>
    <message>
        <source>Pre-existing Filename</source>
        <translation>Nombre de archivo existente</translation>
    </message>
</context>
<context>
    <name>vantorelle::SeedsPanel</name>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Epochs</source>
        <translation>Épocas</translation>
    </message>
    <message>
        <source>All Hits</source>
        <translation>Todo aciertos</translation>
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
        <source>One line a seed</source>
        <translation>Una línea por semilla</translation>
    </message>
    <message>
        <source>Runs done</source>
        <translation>Ejecuciones hechas</translation>
    </message>
    <message>
        <source>The set-up page is training: let its run end first.</source>
        <translation>La página de ajustes está entrenando: deja primero que termine su ejecución.</translation>
    </message>
    <message>
        <source>The first seed must be a whole number from 0 to %1 less the number of seeds.</source>
        <translation>La primera semilla debe ser un número entero de 0 a %1 menos el número de semillas.</translation>
    </message>
    <message>
        <source>Running %1 seeds on %2 threads...</source>
        <translation>Ejecutando %1 semillas en %2 hilos...</translation>
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
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source> (stopped: %1 of %2 seeds ran)</source>
        <translation> (detenido: se ejecutaron %1 de %2 semillas)</translation>
    </message>
    <message>
        <source>Export The Seeds As CSV</source>
        <translation>Exportar las semillas como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The table has been written to %1.</source>
        <translation>La tabla se ha escrito en %1.</translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation>No se ha podido escribir la tabla en %1: %2</translation>
    </message>
</context>
<context>
    <name>vantorelle::SetDrawing</name>
    <message>
        <source>sigmoid unit</source>
        <translation>unidad sigmoide</translation>
    </message>
    <message>
        <source>Gaussian unit</source>
        <translation>unidad gaussiana</translation>
    </message>
    <message>
        <source>step unit</source>
        <translation>unidad escalón</translation>
    </message>
    <message>
        <source>Drawing of the patterns</source>
        <translation>Dibujo de los patrones</translation>
    </message>
    <message>
        <source>Points are drawn on the plane of two inputs, one along each side. This set has %1, so its patterns are edited in the table; make a set of two inputs to draw one.</source>
        <translation>Los puntos se dibujan en el plano de dos entradas, una a lo largo de cada lado. Este conjunto tiene %1, así que sus patrones se editan en la tabla; crea un conjunto de dos entradas para dibujar uno.</translation>
    </message>
    <message>
        <source>1 input</source>
        <translation>1 entrada</translation>
    </message>
    <message>
        <source>%1 inputs</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>desired output %1</source>
        <translation>salida deseada %1</translation>
    </message>
    <message>
        <source>class %1 (output %1 is 1)</source>
        <translation>clase %1 (la salida %1 es 1)</translation>
    </message>
    <message>
        <source> (new points)</source>
        <translation> (puntos nuevos)</translation>
    </message>
    <message>
        <source>Shade: the network&apos;s output %1, a %2; the line is where its answer changes.</source>
        <translation>Sombreado: la salida %1 de la red, una %2; la línea es donde cambia su respuesta.</translation>
    </message>
    <message>
        <source>ringed: missed by it</source>
        <translation>con anillo: la red falla</translation>
    </message>
    <message>
        <source>Train a network on this set (two inputs, %1) and its answer shows under the points.</source>
        <translation>Entrena una red con este conjunto (dos entradas, %1) y su respuesta se verá bajo los puntos.</translation>
    </message>
    <message>
        <source>one output</source>
        <translation>una salida</translation>
    </message>
    <message>
        <source>%1 outputs</source>
        <translation>%1 salidas</translation>
    </message>
    <message>
        <source>Click to add a point; drag a point to move it; right-click it, or select it and press Delete, to remove it.</source>
        <translation>Haz clic para añadir un punto; arrastra un punto para moverlo; haz clic derecho sobre él, o selecciónalo y pulsa Supr, para quitarlo.</translation>
    </message>
</context>
<context>
    <name>vantorelle::SetTable</name>
    <message>
        <source>Input %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>Row %1, column %2 (%3): is empty.</source>
        <translation>Fila %1, columna %2 (%3): está vacía.</translation>
    </message>
    <message>
        <source>Row %1, column %2 (%3): &quot;%4&quot; is not a number.</source>
        <translation>Fila %1, columna %2 (%3): «%4» no es un número.</translation>
    </message>
    <message>
        <source>Write numbers like %1 or %2.</source>
        <translation>Escribe números como %1 o %2.</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Añadir una fila</translation>
    </message>
    <message>
        <source>Duplicate a row</source>
        <translation>Duplicar una fila</translation>
    </message>
    <message>
        <source>Duplicate rows</source>
        <translation>Duplicar filas</translation>
    </message>
    <message>
        <source>Delete a row</source>
        <translation>Borrar una fila</translation>
    </message>
    <message>
        <source>Delete rows</source>
        <translation>Borrar filas</translation>
    </message>
    <message>
        <source>Add an input</source>
        <translation>Añadir una entrada</translation>
    </message>
    <message>
        <source>Add an output</source>
        <translation>Añadir una salida</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplicar %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>Add a point</source>
        <translation>Añadir un punto</translation>
    </message>
    <message>
        <source>Remove point %1</source>
        <translation>Quitar el punto %1</translation>
    </message>
    <message>
        <source>Row %1 of the pasted cells is %2 wide, but from column %3 the table has only %4 columns.<byte value="xd"/>Add columns first, or paste further left.</source>
        <translation>La fila %1 de las celdas pegadas tiene %2 de ancho, pero desde la columna %3 la tabla solo tiene %4 columnas.<byte value="xd"/>Añade columnas primero o pega más a la izquierda.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Edit %1 of row %2</source>
        <translation>Editar %1 de la fila %2</translation>
    </message>
    <message>
        <source>Move point %1</source>
        <translation>Mover el punto %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::StartRangePage</name>
    <message>
        <source>The maximum weight must be a number, such as %1.</source>
        <translation>El peso máximo debe ser un número, como %1.</translation>
    </message>
    <message>
        <source>The minimum weight must be a number, such as %1.</source>
        <translation>El peso mínimo debe ser un número, como %1.</translation>
    </message>
    <message>
        <source>The maximum threshold must be a number, such as %1.</source>
        <translation>El umbral máximo debe ser un número, como %1.</translation>
    </message>
    <message>
        <source>The minimum threshold must be a number, such as %1.</source>
        <translation>El umbral mínimo debe ser un número, como %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number. Nothing has been changed.</source>
        <translation>«%1» no es un número. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>vantorelle::StepPanel</name>
    <message>
        <source>As fast as possible</source>
        <translation>Lo más rápido posible</translation>
    </message>
    <message>
        <source>1 pattern a second</source>
        <translation>1 patrón por segundo</translation>
    </message>
    <message>
        <source>%1 patterns a second</source>
        <translation>%1 patrones por segundo</translation>
    </message>
    <message>
        <source>The arithmetic of the step</source>
        <translation>Las cuentas del paso</translation>
    </message>
    <message>
        <source>The unit&apos;s weights before and after the step</source>
        <translation>Los pesos de la unidad antes y después del paso</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Output unit</source>
        <translation>Unidad de salida</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Input x</source>
        <translation>Entrada x</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>No step yet: &quot;Step One Pattern&quot; presents the next pattern and stops.</source>
        <translation>Aún no hay ningún paso: &quot;Avanzar un patrón&quot; presenta el patrón siguiente y se detiene.</translation>
    </message>
    <message>
        <source>Epoch %1: pattern %2, presented %3 in this epoch&apos;s order (rule: %4, rate %5)</source>
        <translation>Época %1: patrón %2, presentado %3 en el orden de esta época (regla: %4, tasa %5)</translation>
    </message>
    <message>
        <source>first</source>
        <translation>el primero</translation>
    </message>
    <message>
        <source>as number %1</source>
        <translation>el %1.º</translation>
    </message>
    <message>
        <source>  (changed)</source>
        <translation>  (cambiado)</translation>
    </message>
    <message>
        <source>threshold</source>
        <translation>umbral</translation>
    </message>
    <message>
        <source>The other %1 units: %2 changed, %3 unchanged</source>
        <translation>Las otras %1 unidades: %2 cambiadas, %3 sin cambios</translation>
    </message>
</context>
<context>
    <name>vantorelle::TestPerceptron</name>
    <message>
        <source>No method for continuing has been selected!</source>
        <translation>¡No se ha elegido ninguna forma de continuar!</translation>
    </message>
    <message>
        <source>Saving the network is not available here.</source>
        <translation>Aquí no se puede guardar la red.</translation>
    </message>
    <message>
        <source>Opening a saved network is not available here.</source>
        <translation>Aquí no se puede abrir una red guardada.</translation>
    </message>
    <message>
        <source>Saving the summary as a text file is not available yet.</source>
        <translation>Todavía no se puede guardar el resumen como archivo de texto.</translation>
    </message>
</context>
<context>
    <name>vantorelle::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>vantorelle::WeightsView</name>
    <message>
        <source>Output %1: threshold %2</source>
        <translation>Salida %1: umbral %2</translation>
    </message>
    <message>
        <source>Output %1, input %2: weight %3</source>
        <translation>Salida %1, entrada %2: peso %3</translation>
    </message>
    <message>
        <source>The network has no weights yet: train it on the set-up page first.</source>
        <translation>La red aún no tiene pesos: entrénala primero en la página de ajustes.</translation>
    </message>
    <message>
        <source>Weight colours, each unit on its own contrast (thresholds, the cells on the right, on one scale)</source>
        <translation>Colores de los pesos, cada unidad con su propio contraste (los umbrales, las celdas de la derecha, en una sola escala)</translation>
    </message>
    <message>
        <source>Weight colours (threshold: the cell on the right of each unit)</source>
        <translation>Colores de los pesos (umbral: la celda a la derecha de cada unidad)</translation>
    </message>
    <message>
        <source>lowest</source>
        <translation>más bajo</translation>
    </message>
    <message>
        <source>highest</source>
        <translation>más alto</translation>
    </message>
    <message>
        <source>dark: the unit&apos;s lowest weight, light: its highest</source>
        <translation>oscuro: el peso más bajo de la unidad, claro: el más alto</translation>
    </message>
    <message>
        <source>dark: negative, grey: near 0, light: positive</source>
        <translation>oscuro: negativo, gris: cerca de 0, claro: positivo</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Salida %1</translation>
    </message>
</context>
<context>
    <name>vantorelle::WorkbookExport</name>
    <message>
        <source>The workbook has been saved as &quot;%1&quot;, but no program for spreadsheet (.xlsx) files could be started to show it.<byte value="xd"/>Open it with a spreadsheet program such as LibreOffice Calc.</source>
        <translation>El libro se ha guardado como «%1», pero no se ha podido abrir ningún programa de hojas de cálculo (.xlsx) para mostrarlo.<byte value="xd"/>Ábrelo con un programa de hojas de cálculo como LibreOffice Calc.</translation>
    </message>
</context>
</TS>
