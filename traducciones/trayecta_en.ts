<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Trayecta</name>
    <message>
        <source>Esfera</source>
        <translation>Sphere</translation>
    </message>
    <message>
        <source>Bala</source>
        <translation>Bullet</translation>
    </message>
    <message>
        <source>Fin</source>
        <comment>a sweep table&apos;s column heading: how the flight ended</comment>
        <translation>End</translation>
    </message>
    <message>
        <source>La opción %1 necesita %2.</source>
        <translation>The option %1 needs %2.</translation>
    </message>
    <message>
        <source>CAMPO DESDE HASTA PASO</source>
        <translation>FIELD FROM TO STEP</translation>
    </message>
    <message>
        <source>--barrido: &quot;%1&quot; no es un campo que se pueda barrer (%2).</source>
        <translation>--barrido: &quot;%1&quot; is not a field that can be swept (%2).</translation>
    </message>
    <message>
        <source>DESDE</source>
        <translation>FROM</translation>
    </message>
    <message>
        <source>HASTA</source>
        <translation>TO</translation>
    </message>
    <message>
        <source>PASO</source>
        <translation>STEP</translation>
    </message>
    <message>
        <source>%1: %2 no es un número: &quot;%3&quot;.</source>
        <translation>%1: %2 is not a number: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 fuera de rango (%3).</source>
        <translation>%1: %2 out of range (%3).</translation>
    </message>
    <message>
        <source>%1: PASO es 0 (los valores llevan cuatro decimales como máximo).</source>
        <translation>%1: STEP is 0 (values have at most four decimal places).</translation>
    </message>
    <message>
        <source>%1: %2 se da en metros enteros; DESDE y PASO deben ser enteros.</source>
        <translation>%1: %2 is given in whole metres; FROM and STEP must be whole numbers.</translation>
    </message>
    <message>
        <source>%1: ningún valor; de DESDE %2 no se llega a HASTA %3 con PASO %4.</source>
        <translation>%1: no values; FROM %2 does not reach TO %3 with STEP %4.</translation>
    </message>
    <message>
        <source>%1: %2 valores; el máximo es %3.</source>
        <translation>%1: %2 values; the maximum is %3.</translation>
    </message>
    <message>
        <source>Alcance</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Alcance según %1</source>
        <translation>Range against %1</translation>
    </message>
    <message>
        <source>vacío</source>
        <translation>vacuum</translation>
    </message>
    <message>
        <source>aire</source>
        <translation>air</translation>
    </message>
    <message>
        <source>viento %1</source>
        <translation>wind %1</translation>
    </message>
    <message>
        <source>densidad %1</source>
        <translation>density %1</translation>
    </message>
    <message>
        <source>bala</source>
        <translation>bullet</translation>
    </message>
    <message>
        <source>esfera</source>
        <translation>sphere</translation>
    </message>
    <message>
        <source>Exp. %1: %2</source>
        <translation>Exp. %1: %2</translation>
    </message>
    <message>
        <source>Velocidad vertical</source>
        <translation>Vertical velocity</translation>
    </message>
    <message>
        <source>Velocidad horizontal</source>
        <translation>Horizontal velocity</translation>
    </message>
    <message>
        <source>Altura</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Distancia horizontal</source>
        <translation>Horizontal distance</translation>
    </message>
    <message>
        <source>Velocidad vertical según el tiempo</source>
        <translation>Vertical velocity against time</translation>
    </message>
    <message>
        <source>Velocidad horizontal según el tiempo</source>
        <translation>Horizontal velocity against time</translation>
    </message>
    <message>
        <source>Altura según el tiempo</source>
        <translation>Height against time</translation>
    </message>
    <message>
        <source>Distancia horizontal según el tiempo</source>
        <translation>Horizontal distance against time</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>forma</source>
        <comment>the particle&apos;s shape, in a title</comment>
        <translation>shape</translation>
    </message>
    <message>
        <source>%1, una curva por %2</source>
        <translation>%1, one curve per %2</translation>
    </message>
    <message>
        <source>--familia: &quot;%1&quot; no es un campo que pueda formar una familia (%2 %3).</source>
        <translation>--familia: &quot;%1&quot; is not a field that can form a family (%2 %3).</translation>
    </message>
    <message>
        <source>--familia %1: es el campo del barrido; la familia varía otro.</source>
        <translation>--familia %1: this is the swept field; the family must vary a different one.</translation>
    </message>
    <message>
        <source>--familia Forma: &quot;%1&quot; no es una forma (Esfera o Bala).</source>
        <translation>--familia Forma: &quot;%1&quot; is not a shape (Esfera or Bala).</translation>
    </message>
    <message>
        <source>--familia %1: se leen %2 valores, %3; para escribirlos con coma decimal, sepárelos con punto y coma (&quot;0,5;1&quot;).</source>
        <translation>--familia %1: %2 values are read, %3; to write them with a decimal comma, separate them with semicolons (&quot;0,5;1&quot;).</translation>
    </message>
    <message>
        <source>no es un número: &quot;%1&quot;</source>
        <translation>not a number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 se da en metros enteros</source>
        <translation>%1 is given in whole metres</translation>
    </message>
    <message>
        <source>--barrido necesita una línea de lanzamiento y la entrada no tiene ninguna.</source>
        <translation>--barrido needs a launch line and the input has none.</translation>
    </message>
    <message>
        <source>%1, línea %2: --barrido lee una sola línea de lanzamiento y esta es otra más.</source>
        <translation>%1, line %2: --barrido reads a single launch line and this is another one.</translation>
    </message>
    <message>
        <source>campo %1 (%2)</source>
        <translation>field %1 (%2)</translation>
    </message>
    <message>
        <source>%1: Valor fuera de rango (%2; %3)</source>
        <translation>%1: Value out of range (%2; %3)</translation>
    </message>
    <message>
        <source>se esperaban %1 o %2 campos y hay %3</source>
        <translation>%1 or %2 fields were expected and there are %3</translation>
    </message>
    <message>
        <source>%1: no es un número: &quot;%2&quot;</source>
        <translation>%1: not a number: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1, línea %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1, línea %2: más de %3 lanzamientos; se guardan diez experiencias como máximo</source>
        <translation>%1, line %2: more than %3 launches; at most ten experiments are kept</translation>
    </message>
    <message>
        <source>entrada estándar</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>No se puede leer la entrada estándar: %1.</source>
        <translation>Cannot read the standard input: %1.</translation>
    </message>
    <message>
        <source>No se puede leer %1: %2.</source>
        <translation>Cannot read %1: %2.</translation>
    </message>
    <message>
        <source>%1: no hay experiencias que comparar.</source>
        <translation>%1: there are no experiments to compare.</translation>
    </message>
    <message>
        <source>%1: no hay experiencia %2 (hay %3).</source>
        <translation>%1: there is no experiment %2 (there are %3).</translation>
    </message>
    <message>
        <source>--leer carga experiencias en lugar de lanzamientos: no se le agregan archivos de lanzamientos.</source>
        <translation>--leer loads experiments instead of launches: no launch files can be added to it.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es &quot;posiciones&quot; ni &quot;velocidades&quot;.</source>
        <translation>%1: &quot;%2&quot; is neither &quot;posiciones&quot; nor &quot;velocidades&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es un número de experiencia de 1 a 10 o &quot;todos&quot;.</source>
        <translation>%1: &quot;%2&quot; is not an experiment number from 1 to 10 or &quot;todos&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es un número de experiencia de 1 a 10.</source>
        <translation>%1: &quot;%2&quot; is not an experiment number from 1 to 10.</translation>
    </message>
    <message>
        <source>&quot;posiciones&quot; o &quot;velocidades&quot; y un número de experiencia de 1 a 10</source>
        <translation>&quot;posiciones&quot; or &quot;velocidades&quot; and an experiment number from 1 to 10</translation>
    </message>
    <message>
        <source>--inic ARCHIVO</source>
        <translation>--inic FILE</translation>
    </message>
    <message>
        <source>límites y valores iniciales (INIC.DAT de la carpeta de trabajo)</source>
        <translation>limits and initial values (INIC.DAT of the working folder)</translation>
    </message>
    <message>
        <source>--leer ARCHIVO.TYA</source>
        <translation>--leer FILE.TYA</translation>
    </message>
    <message>
        <source>carga las experiencias de un archivo de experiencias
(como Recuperar) en lugar de calcular lanzamientos;
las demás salidas trabajan sobre ellas</source>
        <translation>loads the experiments of an experiment file (as Open
does) instead of computing launches; the other
outputs work on them</translation>
    </message>
    <message>
        <source>--tya ARCHIVO</source>
        <translation>--tya FILE</translation>
    </message>
    <message>
        <source>guarda las experiencias en un archivo de experiencias</source>
        <translation>saves the experiments in an experiment file</translation>
    </message>
    <message>
        <source>--escena ARCHIVO.png</source>
        <translation>--escena FILE.png</translation>
    </message>
    <message>
        <source>guarda la imagen de la escena tras los vuelos (con
--rotulado, una hoja A4 con reglas en metros)</source>
        <translation>saves the image of the scene after the flights (with
--rotulado, an A4 sheet with rulers in metres)</translation>
    </message>
    <message>
        <source>&quot;posiciones&quot; o &quot;velocidades&quot; y un número de experiencia de 1 a 10 o &quot;todos&quot;</source>
        <translation>&quot;posiciones&quot; or &quot;velocidades&quot; and an experiment number from 1 to 10 or &quot;todos&quot;</translation>
    </message>
    <message>
        <source>--grafico posiciones|velocidades N|todos ARCHIVO.png</source>
        <translation>--grafico posiciones|velocidades N|todos FILE.png</translation>
    </message>
    <message>
        <source>guarda como imagen el gráfico contra el tiempo de la
experiencia N (1 a 10), o con &quot;todos&quot; la comparación
de todas las experiencias; muestra Y o Vy</source>
        <translation>saves as an image the graph against time of
experiment N (1 to 10), or with &quot;todos&quot; the
comparison of all the experiments; shows Y or Vy</translation>
    </message>
    <message>
        <source>los gráficos de --grafico y la escena de --escena salen
como hojas de trabajo A4: título, ejes con valores y
unidades (la escena, con reglas en metros) y una
leyenda con Vo, Ang, el medio y todo campo que cambie
entre las experiencias</source>
        <translation>the graphs of --grafico and the scene of --escena come
out as A4 worksheets: a title, axes with values and
units (the scene, with rulers in metres) and a legend
with Vo, Ang, the medium and every field that changes
between the experiments</translation>
    </message>
    <message>
        <source>los gráficos muestran X o Vx en lugar de Y o Vy</source>
        <translation>the graphs show X or Vx instead of Y or Vy</translation>
    </message>
    <message>
        <source>imprime la tabla de posiciones de la experiencia N</source>
        <translation>prints the position table of experiment N</translation>
    </message>
    <message>
        <source>imprime la tabla de velocidades de la experiencia N</source>
        <translation>prints the velocity table of experiment N</translation>
    </message>
    <message>
        <source>imprime la línea de bitácora de cada lanzamiento</source>
        <translation>prints the session-log line of every launch</translation>
    </message>
    <message>
        <source>imprime la tabla de valores extremos separada por
tabuladores, como la copia al portapapeles (con las
columnas del blanco si el último lanzamiento lo tiene)</source>
        <translation>prints the extreme-values table separated by tabs,
like the copy to the clipboard (with the target&apos;s
columns if the last launch has a target)</translation>
    </message>
    <message>
        <source>--imprimir-valores ARCHIVO.pdf</source>
        <translation>--imprimir-valores FILE.pdf</translation>
    </message>
    <message>
        <source>guarda la tabla de valores extremos tal como se
imprime, en un PDF</source>
        <translation>saves the extreme-values table as it is printed,
as a PDF</translation>
    </message>
    <message>
        <source>imprime una línea por experiencia: número, muestras,
tiempo final, X final y el mensaje del final, si hubo
(es la salida cuando no se pide ninguna otra)</source>
        <translation>prints one line per experiment: number, samples,
final time, final X and the end message, if any
(this is the output when no other is asked for)</translation>
    </message>
    <message>
        <source>--barrido CAMPO DESDE HASTA PASO</source>
        <translation>--barrido FIELD FROM TO STEP</translation>
    </message>
    <message>
        <source>vuela el único lanzamiento de la entrada una vez por
cada valor DESDE, DESDE+PASO, ... hasta HASTA del campo
CAMPO (Xo Yo Vo Ang Viento R Densidad Cd), cada vuelo
como la primera experiencia; imprime por valor N, T,
Xfin, Ymax (la altura máxima de Valores Extremos), Vfin
y el mensaje del final (1000 valores como máximo; Xo e
Yo en metros enteros; solo se combina con --inic,
--grafico-barrido, --familia y -j, una vez cada una)</source>
        <translation>flies the single launch of the input once for every
value FROM, FROM+STEP, ... up to TO of the field FIELD
(Xo Yo Vo Ang Viento R Densidad Cd), each flight as
the first experiment; prints for each value N, T,
Xfin, Ymax (the maximum height of Extreme Values),
Vfin and the end message (1000 values at most; Xo and
Yo in whole metres; only combines with --inic,
--grafico-barrido, --familia and -j, once each)</translation>
    </message>
    <message>
        <source>--grafico-barrido ARCHIVO.png</source>
        <translation>--grafico-barrido FILE.png</translation>
    </message>
    <message>
        <source>con --barrido, guarda en una hoja A4 el alcance
según CAMPO; los vuelos que no terminaron en el suelo
van aparte, con su símbolo explicado</source>
        <translation>with --barrido, saves on an A4 sheet the range
against FIELD; the flights that did not end on the
ground are drawn separately, with their symbol explained</translation>
    </message>
    <message>
        <source>CAMPO V1,V2,...</source>
        <translation>FIELD V1,V2,...</translation>
    </message>
    <message>
        <source>--familia CAMPO V1,V2,...</source>
        <translation>--familia FIELD V1,V2,...</translation>
    </message>
    <message>
        <source>con --barrido, repite el barrido para cada valor V1, V2,
... (10 como máximo) de otro campo (Xo Yo Vo Ang Viento
R Densidad Cd, Aire con 0,1 para vacío y aire, o Forma
con Esfera,Bala); las comas separan los valores, salvo
que los separe un punto y coma: &quot;0,5;1&quot; son 0,5 y 1;
la tabla lleva ese campo en la primera columna y el
gráfico una curva por valor</source>
        <translation>with --barrido, repeats the sweep for every value V1,
V2, ... (10 at most) of another field (Xo Yo Vo Ang
Viento R Densidad Cd, Aire with 0,1 for vacuum and
air, or Forma with Esfera,Bala); commas separate the
values, unless a semicolon separates them: &quot;0,5;1&quot;
are 0.5 and 1; the table has that field in its first
column and the graph one curve per value</translation>
    </message>
    <message>
        <source>ANCHOxALTO en puntos</source>
        <translation>WIDTHxHEIGHT in pixels</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es ANCHOxALTO en puntos, cada uno de %3 a %4 (por ejemplo 1754x1240).</source>
        <translation>%1: &quot;%2&quot; is not WIDTHxHEIGHT in pixels, each from %3 to %4 (for example 1754x1240).</translation>
    </message>
    <message>
        <source>--tamano ANCHOxALTO</source>
        <translation>--tamano WIDTHxHEIGHT</translation>
    </message>
    <message>
        <source>el PNG de una hoja (--grafico-barrido, --rotulado)
mide ANCHO x ALTO puntos en lugar de A4 a 300 ppp</source>
        <translation>the PNG of a sheet (--grafico-barrido, --rotulado)
measures WIDTH x HEIGHT pixels instead of A4 at 300 dpi</translation>
    </message>
    <message>
        <source>un número de hilos</source>
        <translation>a number of threads</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es un número de hilos de 1 a 256.</source>
        <translation>%1: &quot;%2&quot; is not a number of threads from 1 to 256.</translation>
    </message>
    <message>
        <source>vuela los lanzamientos de --barrido en N hilos como
máximo (de forma predeterminada, uno por núcleo; el
resultado es el mismo)</source>
        <translation>flies the launches of --barrido on N threads at most
(by default, one per core; the result is the same)</translation>
    </message>
    <message>
        <source>muestra el nombre y la versión del programa</source>
        <translation>shows the program&apos;s name and version</translation>
    </message>
    <message>
        <source>muestra esta ayuda</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>Opción desconocida: %1 (vea --help).</source>
        <translation>Unknown option: %1 (see --help).</translation>
    </message>
    <message>
        <source>La opción %1 se da dos veces; se admite una sola.</source>
        <translation>The option %1 is given twice; it is accepted only once.</translation>
    </message>
    <message>
        <source>La opción %1 necesita un nombre de archivo.</source>
        <translation>The option %1 needs a file name.</translation>
    </message>
    <message>
        <source>Uso: trayecta-calc [opciones] [archivo...]

Calcula lanzamientos de Trayecta sin ventana. Lee un lanzamiento por línea de los
archivos nombrados (&quot;-&quot; o ninguno: la entrada estándar). Cada línea tiene nueve
números en el orden de la bitácora de sesión:
    Xo Yo Vo Ang Aire Viento R Densidad Cd
y, si se agregan cuatro más, XoB YoB Vxb Vyb, un blanco colocado para ese lanzamiento.
Los campos se separan con blancos o tabuladores. Las líneas cuyo primer campo no es un
número se saltan, así que una bitácora (.log) sirve de entrada tal como está. Los
lanzamientos son las experiencias 1, 2, ... (diez como máximo).

Los valores se comprueban con los límites de INIC.DAT; Aire es 0 (vacío) o 1 (aire),
Densidad va de 0.01 a 20 y Cd es 0.4 (esfera) o 0.2 (bala).

Opciones:
</source>
        <translation>Usage: trayecta-calc [options] [file...]

Computes Trayecta launches without a window. Reads one launch per line from the
named files (&quot;-&quot; or none: the standard input). Each line has nine numbers in the
order of the session log:
    Xo Yo Vo Ang Aire Viento R Densidad Cd
and, if four more are added, XoB YoB Vxb Vyb, a target placed for that launch.
Fields are separated by spaces or tabs. Lines whose first field is not a number
are skipped, so a session log (.log) can be used as input unchanged. The launches
are the experiments 1, 2, ... (ten at most).

The values are checked against the limits of INIC.DAT; Aire is 0 (vacuum) or 1
(air), Densidad goes from 0.01 to 20 and Cd is 0.4 (sphere) or 0.2 (bullet).

Options:
</translation>
    </message>
    <message>
        <source>Las opciones se pueden combinar; las salidas se imprimen en el orden pedido.
La experiencia N de --tabla y --grafico debe ser uno de los lanzamientos dados.
La escena y los gráficos se guardan como PDF si el nombre termina en .pdf, como SVG
si termina en .svg y como PNG si termina en .png o no tiene terminación; otra
terminación se rechaza. Las hojas (--grafico-barrido, --rotulado) son A4 apaisadas;
su PNG, de 3508 x 2480 puntos (300 por pulgada).

Separador decimal: al leer, &quot;.&quot; y &quot;,&quot; valen en cualquier número (en --familia
las comas separan valores, salvo que lo haga un punto y coma; si ningún valor lleva
punto, la salida de errores dice los valores leídos). Al escribir, las
tablas, la bitácora y los números de las figuras llevan el separador del idioma del
sistema: la coma con es_ES.UTF-8, el punto con LC_ALL=C (para otros programas). Los
archivos de experiencias e INIC.DAT llevan siempre el punto.

Estado de salida: 0 bien; 1 no se pudo escribir un archivo de salida o la salida
estándar; 2 opciones o entrada rechazadas (el mensaje nombra la línea y el campo)
y nada escrito.
</source>
        <translation>The options can be combined; the outputs are printed in the order asked for.
The experiment N of --tabla and --grafico must be one of the launches given.
The scene and the graphs are saved as PDF if the name ends in .pdf, as SVG if it
ends in .svg and as PNG if it ends in .png or has no ending; any other ending is
refused. The sheets (--grafico-barrido, --rotulado) are landscape A4; their PNG,
3508 x 2480 pixels (300 per inch).

Decimal separator: when reading, &quot;.&quot; and &quot;,&quot; are valid in any number (in
--familia commas separate values, unless a semicolon does; if no value has a
decimal point, the error output states the values read). When writing, the
tables, the session log and the numbers in the figures use the separator of the
system&apos;s language: the comma with es_ES.UTF-8 or pt_BR.UTF-8, the point with
en_US.UTF-8 or LC_ALL=C (for other programs). Experiment files and INIC.DAT
always use the point.

Exit status: 0 success; 1 an output file or the standard output could not be
written; 2 options or input refused (the message names the line and the field)
and nothing written.
</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <comment>the last two of a list</comment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>--barrido solo se combina con %1, no con %2.</source>
        <translation>--barrido only combines with %1, not with %2.</translation>
    </message>
    <message>
        <source>La opción --rotulado necesita --grafico o --escena.</source>
        <translation>The option --rotulado needs --grafico or --escena.</translation>
    </message>
    <message>
        <source>No se pudo escribir la salida estándar: %1.</source>
        <translation>Could not write the standard output: %1.</translation>
    </message>
    <message>
        <source>No se pudo escribir la salida.</source>
        <translation>Could not write the output.</translation>
    </message>
    <message>
        <source>no es un archivo común (es un dispositivo o una tubería)</source>
        <translation>it is not a regular file (it is a device or a pipe)</translation>
    </message>
    <message>
        <source>ocupa más de %1, el máximo que se lee de este archivo</source>
        <translation>it is larger than %1, the most that is read from this file</translation>
    </message>
    <message>
        <source>ocupa más de %1, el máximo que se lee</source>
        <translation>it is larger than %1, the most that is read</translation>
    </message>
    <message>
        <source>No se puede leer el archivo %1: %2.</source>
        <translation>Cannot read the file %1: %2.</translation>
    </message>
    <message>
        <source>Uso: trayecta [ARCHIVO.TYA]</source>
        <translation>Usage: trayecta [FILE.TYA]</translation>
    </message>
    <message>
        <source>%1

Abre Trayecta; con un archivo de experiencias (.TYA), lo carga como &quot;Recuperar&quot;.
  --version  muestra la versión
  --help     muestra esta ayuda
</source>
        <translation>%1

Opens Trayecta; with an experiment file (.TYA), loads it as &quot;Open&quot; does.
  --version  shows the version
  --help     shows this help
</translation>
    </message>
    <message>
        <source>trayecta: opción desconocida «%1»
%2</source>
        <translation>trayecta: unknown option “%1”
%2</translation>
    </message>
    <message>
        <source>trayecta: sobra «%1»: se abre un solo archivo de experiencias a la vez
%2</source>
        <translation>trayecta: extra argument “%1”: only one experiment file can be opened at a time
%2</translation>
    </message>
    <message>
        <source>trayecta: el nombre de archivo está vacío
%1</source>
        <translation>trayecta: the file name is empty
%1</translation>
    </message>
    <message>
        <source>El argumento %1 (%2) no es texto UTF-8 válido: un nombre de archivo así no se puede usar tal cual; cámbiele el nombre.</source>
        <translation>Argument %1 (%2) is not valid UTF-8 text: such a file name cannot be used as it is; rename the file.</translation>
    </message>
    <message>
        <source>X inicial</source>
        <translation>Initial X</translation>
    </message>
    <message>
        <source>, de %1 a %2 m</source>
        <translation>, from %1 to %2 m</translation>
    </message>
    <message>
        <source>Posición inicial X</source>
        <translation>Initial position X</translation>
    </message>
    <message>
        <source>la posición inicial X</source>
        <translation>the initial position X</translation>
    </message>
    <message>
        <source>Y Inicial</source>
        <translation>Initial Y</translation>
    </message>
    <message>
        <source>Altura inicial</source>
        <translation>Initial height</translation>
    </message>
    <message>
        <source>la altura inicial</source>
        <translation>the initial height</translation>
    </message>
    <message>
        <source>Velocidad Inicial</source>
        <translation>Initial speed</translation>
    </message>
    <message>
        <source>, de %1 a %2 m/S</source>
        <translation>, from %1 to %2 m/S</translation>
    </message>
    <message>
        <source>Velocidad inicial</source>
        <translation>Initial speed</translation>
    </message>
    <message>
        <source>la velocidad inicial</source>
        <translation>the initial speed</translation>
    </message>
    <message>
        <source>Angulo Inicial</source>
        <translation>Launch angle</translation>
    </message>
    <message>
        <source>, de %1º a %2º</source>
        <translation>, from %1º to %2º</translation>
    </message>
    <message>
        <source>Ángulo de lanzamiento</source>
        <translation>Launch angle</translation>
    </message>
    <message>
        <source>el ángulo de lanzamiento</source>
        <translation>the launch angle</translation>
    </message>
    <message>
        <source>Medio: 0 vacío, 1 aire</source>
        <translation>Medium: 0 vacuum, 1 air</translation>
    </message>
    <message>
        <source>Medio</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>el medio</source>
        <translation>the medium</translation>
    </message>
    <message>
        <source>Viento Horiz.</source>
        <translation>Horizontal wind</translation>
    </message>
    <message>
        <source> De %1 m/S a %2m/S</source>
        <translation> from %1 m/S to %2m/S</translation>
    </message>
    <message>
        <source>Velocidad del viento</source>
        <translation>Wind speed</translation>
    </message>
    <message>
        <source>la velocidad del viento</source>
        <translation>the wind speed</translation>
    </message>
    <message>
        <source>Radio de Partícula</source>
        <translation>Particle radius</translation>
    </message>
    <message>
        <source>, de %1cm a %2 cm</source>
        <translation>, from %1cm to %2 cm</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>el radio</source>
        <translation>the radius</translation>
    </message>
    <message>
        <source>Densidad del material</source>
        <translation>Material density</translation>
    </message>
    <message>
        <source>Densidad</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>la densidad</source>
        <translation>the density</translation>
    </message>
    <message>
        <source>Coeficiente de arrastre de la forma</source>
        <translation>Drag coefficient of the shape</translation>
    </message>
    <message>
        <source>Coeficiente de arrastre Cd</source>
        <translation>Drag coefficient Cd</translation>
    </message>
    <message>
        <source>el coeficiente de arrastre</source>
        <translation>the drag coefficient</translation>
    </message>
    <message>
        <source>X inicial del blanco</source>
        <translation>Target&apos;s initial X</translation>
    </message>
    <message>
        <source>Y inicial del blanco</source>
        <translation>Target&apos;s initial Y</translation>
    </message>
    <message>
        <source>Velocidad X del blanco</source>
        <translation>Target&apos;s X velocity</translation>
    </message>
    <message>
        <source>Velocidad Y del blanco</source>
        <translation>Target&apos;s Y velocity</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta de trabajo %1.</source>
        <translation>Could not create the working folder %1.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo instalado %1.</source>
        <translation>Cannot read the installed file %1.</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1.</source>
        <translation>Could not create the folder %1.</translation>
    </message>
    <message>
        <source>No se pudo copiar %1 en la carpeta de trabajo %2: %3.</source>
        <translation>Could not copy %1 into the working folder %2: %3.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1: %2.</source>
        <translation>Could not write %1: %2.</translation>
    </message>
    <message>
        <source>No se puede usar la carpeta de trabajo %1.</source>
        <translation>Cannot use the working folder %1.</translation>
    </message>
    <message>
        <source>de %1 a %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>%1 o %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>el valor inicial</source>
        <translation>the initial value</translation>
    </message>
    <message>
        <source>el máximo</source>
        <translation>the maximum</translation>
    </message>
    <message>
        <source>el mínimo</source>
        <translation>the minimum</translation>
    </message>
    <message>
        <source>INIC.DAT, línea %1, registro %2 (%3)</source>
        <translation>INIC.DAT, line %1, record %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2,%3&quot; lleva coma decimal; en INIC.DAT el separador decimal es el punto (%2.%3) y la coma separa los valores.</source>
        <translation>%1: &quot;%2,%3&quot; has a decimal comma; in INIC.DAT the decimal separator is the point (%2.%3) and the comma separates the values.</translation>
    </message>
    <message>
        <source>INIC.DAT debe tener diez registros de tres números (valor inicial, máximo y mínimo), 30 en total, y tiene %1</source>
        <translation>INIC.DAT must have ten records of three numbers (initial value, maximum and minimum), 30 in all, and it has %1</translation>
    </message>
    <message>
        <source>%1: falta %2 del registro %3 (%4).</source>
        <translation>%1: %2 of record %3 (%4) is missing.</translation>
    </message>
    <message>
        <source>%1: %2 (&quot;%3&quot;) no es un número.</source>
        <translation>%1: %2 (&quot;%3&quot;) is not a number.</translation>
    </message>
    <message>
        <source>%1: %2 (%3) es demasiado grande.</source>
        <translation>%1: %2 (%3) is too large.</translation>
    </message>
    <message>
        <source>%1: el mínimo (%2) debe ser un número entero.</source>
        <translation>%1: the minimum (%2) must be a whole number.</translation>
    </message>
    <message>
        <source>%1: el mínimo (%2) es mayor que el máximo (%3).</source>
        <translation>%1: the minimum (%2) is greater than the maximum (%3).</translation>
    </message>
    <message>
        <source>%1: el valor inicial (%2) está fuera de sus límites (%3 a %4).</source>
        <translation>%1: the initial value (%2) is outside its limits (%3 to %4).</translation>
    </message>
    <message>
        <source>%1: sobra &quot;%2&quot; (línea %3).</source>
        <translation>%1: &quot;%2&quot; is left over (line %3).</translation>
    </message>
    <message>
        <source>No se puede leer el archivo INIC.DAT (%1): %2.</source>
        <translation>Cannot read the file INIC.DAT (%1): %2.</translation>
    </message>
    <message>
        <source>El archivo trazo.txt no contiene 0 ni 1.</source>
        <translation>The file trazo.txt contains neither 0 nor 1.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo trazo.txt (%1): %2.</source>
        <translation>Cannot read the file trazo.txt (%1): %2.</translation>
    </message>
    <message>
        <source>plomo</source>
        <translation>lead</translation>
    </message>
    <message>
        <source>acero</source>
        <translation>steel</translation>
    </message>
    <message>
        <source>piedra</source>
        <translation>stone</translation>
    </message>
    <message>
        <source>hielo</source>
        <translation>ice</translation>
    </message>
    <message>
        <source>madera</source>
        <translation>wood</translation>
    </message>
    <message>
        <source>Impacto</source>
        <translation>Hit</translation>
    </message>
    <message>
        <source>Detenido</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Fin de Simulación</source>
        <translation>End of Simulation</translation>
    </message>
    <message>
        <source>Fuera de escala</source>
        <translation>Off scale</translation>
    </message>
    <message>
        <source>Experiencia %1, %2, %3</source>
        <translation>Experiment %1, %2, %3</translation>
    </message>
    <message>
        <source>Experiencia %1, %2</source>
        <translation>Experiment %1, %2</translation>
    </message>
    <message>
        <source>%1: alcance %2 m, altura máxima %3 m, tiempo %4 s, distancia mínima al blanco %5 m a los %6 s.</source>
        <translation>%1: range %2 m, maximum height %3 m, time %4 s, closest distance to the target %5 m at %6 s.</translation>
    </message>
    <message>
        <source>%1: alcance %2 m, altura máxima %3 m, tiempo %4 s.</source>
        <translation>%1: range %2 m, maximum height %3 m, time %4 s.</translation>
    </message>
    <message>
        <source>Ninguna experiencia.</source>
        <translation>No experiments.</translation>
    </message>
    <message>
        <source>Unidad</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Carpeta</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Archivo %1</source>
        <translation>%1 File</translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>ese nombre es una carpeta</source>
        <translation>that name is a folder</translation>
    </message>
    <message>
        <source>No se pudo componer el documento %1.</source>
        <translation>Could not compose the document %1.</translation>
    </message>
    <message>
        <source>No se puede crear el archivo %1: %2.</source>
        <translation>Cannot create the file %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1: %2.</source>
        <translation>Could not write the file %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo %1: %2.</source>
        <translation>Could not save the file %1: %2.</translation>
    </message>
    <message>
        <source>No hay ninguna impresora instalada. Lo que se iba a imprimir quedó guardado en el archivo:
%1</source>
        <translation>No printer is installed. What was to be printed has been saved in the file:
%1</translation>
    </message>
    <message>
        <source>No se pudo imprimir.
%1</source>
        <translation>Could not print.
%1</translation>
    </message>
    <message>
        <source>La impresora %1 no está disponible.</source>
        <translation>The printer %1 is not available.</translation>
    </message>
    <message>
        <source>La impresora %1 informó un error.</source>
        <translation>The printer %1 reported an error.</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no space is left on the disk</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>no hay permiso</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>error de lectura o escritura del disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>la ruta tiene demasiados enlaces</source>
        <translation>the path has too many links</translation>
    </message>
    <message>
        <source>el archivo está en uso</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>el dispositivo no está disponible</source>
        <translation>the device is not available</translation>
    </message>
    <message>
        <source>ya existe</source>
        <translation>it already exists</translation>
    </message>
    <message>
        <source>el sistema no dio el motivo</source>
        <translation>the system gave no reason</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>el archivo existente no se puede modificar</source>
        <translation>the existing file cannot be changed</translation>
    </message>
    <message>
        <source>no se pudo leer</source>
        <translation>it could not be read</translation>
    </message>
    <message>
        <source>no se pudo escribir</source>
        <translation>it could not be written</translation>
    </message>
    <message>
        <source>no se pudo abrir</source>
        <translation>it could not be opened</translation>
    </message>
    <message>
        <source>faltan recursos del sistema</source>
        <translation>the system is short of resources</translation>
    </message>
    <message>
        <source>no se pudo reemplazar el archivo anterior</source>
        <translation>the previous file could not be replaced</translation>
    </message>
    <message>
        <source>está en UTF-16; se lee texto UTF-8 o Latin-1</source>
        <translation>it is in UTF-16; only UTF-8 or Latin-1 text can be read</translation>
    </message>
    <message>
        <source>tiene bytes nulos: no es un archivo de texto</source>
        <translation>it has null bytes: it is not a text file</translation>
    </message>
    <message>
        <source>tiene caracteres de control: no es un archivo de texto</source>
        <translation>it has control characters: it is not a text file</translation>
    </message>
    <message>
        <source>No se puede guardar: el número de experiencias (%1) no está entre 0 y 10.</source>
        <translation>Cannot save: the number of experiments (%1) is not between 0 and 10.</translation>
    </message>
    <message>
        <source>No se puede guardar: la experiencia %1 tiene un número de muestras imposible.</source>
        <translation>Cannot save: experiment %1 has an impossible number of samples.</translation>
    </message>
    <message>
        <source>el archivo termina antes de tiempo</source>
        <translation>the file ends too early</translation>
    </message>
    <message>
        <source>el número es demasiado grande</source>
        <translation>the number is too large</translation>
    </message>
    <message>
        <source>la experiencia %1 declara %2 muestras; una experiencia tiene de 1 a %3</source>
        <translation>experiment %1 declares %2 samples; an experiment has 1 to %3</translation>
    </message>
    <message>
        <source>la experiencia %1 declara %2 muestras de velocidad y %3 de posición</source>
        <translation>experiment %1 declares %2 velocity samples and %3 position samples</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo completo.</source>
        <translation>The whole file could not be written.</translation>
    </message>
    <message>
        <source>ocupa más de %1; ningún archivo de experiencias es tan grande</source>
        <translation>it is larger than %1; no experiment file is that large</translation>
    </message>
    <message>
        <source>el archivo %1</source>
        <extracomment>%1 is what is wrong with the content: &quot;tiene bytes nulos: no es un archivo de texto&quot;</extracomment>
        <translation>the file %1</translation>
    </message>
    <message>
        <source>el archivo declara %1 experiencias; caben de 0 a 10</source>
        <translation>the file declares %1 experiments; it can hold 0 to 10</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo %1: %2.</source>
        <translation>Cannot open the file %1: %2.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo %1, línea %2: %3.</source>
        <translation>Cannot read the file %1, line %2: %3.</translation>
    </message>
    <message>
        <source>No se puede crear %1: %2.</source>
        <translation>Cannot create %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo escribir la imagen %1: %2.</source>
        <translation>Could not write the image %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2.</source>
        <translation>Could not save %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo escribir la imagen %1.</source>
        <translation>Could not write the image %1.</translation>
    </message>
    <message>
        <source>%1: la terminación &quot;.%2&quot; no es de imagen; se guardan .png, .pdf y .svg.</source>
        <translation>%1: the ending &quot;.%2&quot; is not an image type; images are saved as .png, .pdf or .svg.</translation>
    </message>
    <message>
        <source>No se pudo empezar el documento.</source>
        <translation>Could not start the document.</translation>
    </message>
    <message>
        <source>No se pudo terminar el documento.</source>
        <translation>Could not finish the document.</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>No se pudo empezar una página nueva.</source>
        <translation>Could not start a new page.</translation>
    </message>
    <message>
        <source>La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   %1 archivos y  %2 bytes</source>
        <translation>The program has the LOG SESSION option switched on, with   %1 files and  %2 bytes</translation>
    </message>
    <message>
        <source>La documentación de la sesión queda grabada en
archivos .log con la hora por nombre,
en la carpeta de la aplicacion</source>
        <translation>The session log is saved in
.log files named after the time,
in the program&apos;s folder</translation>
    </message>
    <message>
        <source> ¿ Desea Desactivar la opción de DOCUMENTAR SESIÓN y borrar todos los archivos  .log  ?</source>
        <translation> Do you want to switch off the LOG SESSION option and delete all the  .log  files?</translation>
    </message>
    <message>
        <source>El archivo de ayuda %1 no tiene temas (cada tema empieza con una línea &quot;# título&quot;).</source>
        <translation>The help file %1 has no topics (each topic starts with a line &quot;# title&quot;).</translation>
    </message>
    <message>
        <source>Trayectorias en la escena</source>
        <translation>Trajectories in the scene</translation>
    </message>
    <message>
        <source>Distancia horizontal X (m); escala: 1 cm en la hoja son %1 m</source>
        <translation>Horizontal distance X (m); scale: 1 cm on the sheet is %1 m</translation>
    </message>
    <message>
        <source>Altura Y (m)</source>
        <translation>Height Y (m)</translation>
    </message>
    <message>
        <source>%1; máximo %2 con %3</source>
        <translation>%1; maximum %2 at %3</translation>
    </message>
    <message>
        <source>vuelo que terminó en &quot;Impacto&quot; con el blanco (no se une a la curva)</source>
        <translation>flight that ended in a &quot;Hit&quot; on the target (not joined to the curve)</translation>
    </message>
    <message>
        <source>vuelo que terminó &quot;Fuera de escala&quot; (no se une a la curva)</source>
        <translation>flight that ended &quot;Off scale&quot; (not joined to the curve)</translation>
    </message>
    <message>
        <source>vuelo cortado en el límite de marcas (no se une a la curva)</source>
        <translation>flight cut off at the sample limit (not joined to the curve)</translation>
    </message>
    <message>
        <source>máximo: %1 con %2</source>
        <translation>maximum: %1 at %2</translation>
    </message>
    <message>
        <source>E&amp;scala x 10</source>
        <translation>&amp;Scale x 10</translation>
    </message>
    <message>
        <source>E&amp;scala /10</source>
        <translation>&amp;Scale /10</translation>
    </message>
    <message>
        <source>Experiencia %1, muestra %2 de %3: t %4 s, X %5 m, Y %6 m</source>
        <translation>Experiment %1, sample %2 of %3: t %4 s, X %5 m, Y %6 m</translation>
    </message>
    <message>
        <source>Trayecta es un programa libre (GPL 3 o posterior) para la clase
de Física: simula el tiro oblicuo en el vacío y en el aire, y
trae problemas, un trabajo práctico y sus respuestas para el
docente (respuestas.txt).</source>
        <translation>Trayecta is free software (GPL 3 or later) for physics lessons:
it simulates projectile motion in a vacuum and in air, and
comes with problems, a lab worksheet and their answers for the
teacher (respuestas.txt).</translation>
    </message>
    <message>
        <source>Los textos (0Prob a 15Prob, tpract.txt, respuestas.txt, la ayuda)
se leen de la carpeta de trabajo, no de la de instalación: el
docente puede cambiarlos allí. Vea &quot;Archivos del programa&quot; en
la ayuda.</source>
        <translation>The texts (0Prob to 15Prob, tpract.txt, respuestas.txt, the help)
are read from the working folder, not the installation one: the
teacher can change them there. See &quot;Program files&quot; in the
help.</translation>
    </message>
    <message>
        <source>Valores Extremos</source>
        <translation>Extreme Values</translation>
    </message>
    <message>
        <source>Acerca de Trayecta</source>
        <translation>About Trayecta</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Problema a resolver</source>
        <translation>Problem to Solve</translation>
    </message>
    <message>
        <source>Modelo de Fricción</source>
        <translation>Friction Model</translation>
    </message>
    <message>
        <source>Método de cálculo</source>
        <translation>Calculation Method</translation>
    </message>
    <message>
        <source>Seguir</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ingrese el Número de problema (entre 0 y 15)</source>
        <translation>Enter the problem number (0 to 15)</translation>
    </message>
    <message>
        <source>Problemas</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>No hay un problema elegido para imprimir: elija uno en Actividades, Problemas.</source>
        <translation>No problem has been chosen to print: choose one in Activities, Problems.</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>El archivo %1 ya no existe; se quitó de la lista.</source>
        <translation>The file %1 no longer exists; it was removed from the list.</translation>
    </message>
    <message>
        <source>No se pudo guardar la elección de colores en %1: vale solo hasta cerrar el programa.</source>
        <translation>The colour choice could not be saved in %1: it only lasts until the program is closed.</translation>
    </message>
    <message>
        <source>Ayuda de Trayecta</source>
        <translation>Trayecta Help</translation>
    </message>
    <message>
        <source>Escriba una palabra</source>
        <translation>Type a word</translation>
    </message>
    <message>
        <source>Temas de ayuda</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <source>Buscar temas que contengan</source>
        <translation>Search for topics containing</translation>
    </message>
    <message>
        <source>Texto del tema</source>
        <translation>Topic text</translation>
    </message>
    <message>
        <source>Buscar:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Contenidos:</source>
        <translation>Contents:</translation>
    </message>
    <message>
        <source>Ningún tema contiene «%1». Pruebe con otra palabra.</source>
        <translation>No topic contains “%1”. Try another word.</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Recuperar</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Recuperar &amp;Archivo de Sesión</source>
        <translation>Open Session &amp;Log</translation>
    </message>
    <message>
        <source>&amp;Documentar Sesión</source>
        <translation>Log Sess&amp;ion</translation>
    </message>
    <message>
        <source>&amp;Imprimir Valores</source>
        <translation>&amp;Print Values</translation>
    </message>
    <message>
        <source>Imprimir Gra&amp;fica</source>
        <translation>Print &amp;Graph</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Edición</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Copiar Pantalla al Portapapeles</source>
        <translation>&amp;Copy Screen to Clipboard</translation>
    </message>
    <message>
        <source>&amp;Ver</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Valores &amp;Extremos</source>
        <translation>&amp;Extreme Values</translation>
    </message>
    <message>
        <source>Gráfico &amp;Posiciones</source>
        <translation>&amp;Position Graph</translation>
    </message>
    <message>
        <source>Gráfico &amp;Velocidades</source>
        <translation>&amp;Velocity Graph</translation>
    </message>
    <message>
        <source>&amp;Repetir</source>
        <translation>&amp;Replay</translation>
    </message>
    <message>
        <source>E&amp;scala/10</source>
        <translation>&amp;Scale/10</translation>
    </message>
    <message>
        <source>&amp;Modelo</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Colores para proyector</source>
        <translation>Projector &amp;Colours</translation>
    </message>
    <message>
        <source>&amp;Blanco</source>
        <translation>&amp;Target</translation>
    </message>
    <message>
        <source>&amp;Colocar</source>
        <translation>&amp;Place</translation>
    </message>
    <message>
        <source>A&amp;ctividades</source>
        <translation>&amp;Activities</translation>
    </message>
    <message>
        <source>&amp;Trabajo Práctico</source>
        <translation>&amp;Lab Worksheet</translation>
    </message>
    <message>
        <source>&amp;Problemas</source>
        <translation>&amp;Problems</translation>
    </message>
    <message>
        <source>&amp;LANZAR</source>
        <translation>&amp;LAUNCH</translation>
    </message>
    <message>
        <source>&amp;Parar</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>B&amp;orrar</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>A&amp;YUDA</source>
        <translation>&amp;HELP</translation>
    </message>
    <message>
        <source>&amp;Contenidos</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Buscar</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Acerca de Trayecta</source>
        <translation>&amp;About Trayecta</translation>
    </message>
    <message>
        <source>Dialog Caption</source>
        <translation>Dialog Caption</translation>
    </message>
    <message>
        <source>Bitácoras guardadas</source>
        <translation>Saved logs</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>¿Salir sin guardar la experiencia?</source>
        <translation>Exit without saving the experiment?</translation>
    </message>
    <message>
        <source>¿Salir sin guardar las %1 experiencias?</source>
        <translation>Exit without saving the %1 experiments?</translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>No se pudo guardar el idioma en %1: sigue marcado el que estaba elegido.</source>
        <translation>The language could not be saved in %1: the one chosen before stays checked.</translation>
    </message>
    <message>
        <source>El idioma elegido se verá la próxima vez que se abra Trayecta.</source>
        <translation>The chosen language will take effect the next time Trayecta is opened.</translation>
    </message>
    <message>
        <source>Escena del lanzamiento</source>
        <translation>Launch scene</translation>
    </message>
    <message>
        <source>Línea de estado</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>* Haga Click y 
Arrastre el punto 
de lanzamiento
(Cruz del origen)</source>
        <extracomment>Short lines: the box is 170 pixels wide.</extracomment>
        <translation>* Click and 
drag the 
launch point
(the origin cross)</translation>
    </message>
    <message>
        <source>* Haga Click en los 
puntos graficados
para obtener los
vectores :
Velocidad: verde
Aceleracion: rojo</source>
        <extracomment>Short lines: the box is 170 pixels wide.</extracomment>
        <translation>* Click on the 
plotted points
to get the
vectors:
Velocity: green
Acceleration: red</translation>
    </message>
    <message>
        <source>¿ Desea que este anuncio 
 aparezca al arrancar 
luego el programa ?</source>
        <extracomment>Three lines: the box is 344 pixels wide.</extracomment>
        <translation>Do you want this notice 
 to appear the next time 
the program starts?</translation>
    </message>
    <message>
        <source>Sugerencias</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>Sugerencia: el punto de lanzamiento</source>
        <translation>Suggestion: the launch point</translation>
    </message>
    <message>
        <source>Sugerencia: los vectores de una marca</source>
        <translation>Suggestion: the vectors at a mark</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Automático</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>&amp;Tamaño de la ventana</source>
        <translation>&amp;Window Size</translation>
    </message>
    <message>
        <source>El tamaño %1 % no cabe en esta pantalla (%2 × %3 disponibles). El mayor que cabe es %4 %.</source>
        <translation>The size %1 % does not fit this screen (%2 × %3 available). The largest that fits is %4 %.</translation>
    </message>
    <message>
        <source>No se pudo guardar el tamaño de la ventana en %1: sigue marcado el tamaño que estaba guardado.</source>
        <translation>The window size could not be saved in %1: the size saved before stays checked.</translation>
    </message>
    <message>
        <source>El nuevo tamaño de la ventana se verá la próxima vez que se abra Trayecta.</source>
        <translation>The new window size will take effect the next time Trayecta is opened.</translation>
    </message>
    <message>
        <source> Mientras QT_SCALE_FACTOR o QT_SCREEN_SCALE_FACTORS estén fijadas, mandan ellas.</source>
        <translation> While QT_SCALE_FACTOR or QT_SCREEN_SCALE_FACTORS are set, they take precedence.</translation>
    </message>
    <message>
        <source>Trabajo Práctico</source>
        <translation>Lab Worksheet</translation>
    </message>
    <message>
        <source>Texto del trabajo práctico</source>
        <translation>Lab worksheet text</translation>
    </message>
    <message>
        <source>Copiar al Portapapeles</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Archivos de Sesiones Realizadas</source>
        <translation>Past Session Files</translation>
    </message>
    <message>
        <source>Bitácoras de sesión</source>
        <translation>Session logs</translation>
    </message>
    <message>
        <source>Contenido de la bitácora</source>
        <translation>Log contents</translation>
    </message>
    <message>
        <source>Copiar  al Portapapeles</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>Los Gráficos anteriores serán borrados</source>
        <translation>The previous graphs will be cleared</translation>
    </message>
    <message>
        <source>Marcador del blanco</source>
        <translation>Target marker</translation>
    </message>
    <message>
        <source>Cruz del punto de lanzamiento</source>
        <translation>Launch point cross</translation>
    </message>
    <message>
        <source>Se arrastra con el mouse; con la escena enfocada, Tab lo elige y las flechas lo mueven</source>
        <translation>Drag it with the mouse; with the scene focused, Tab selects it and the arrow keys move it</translation>
    </message>
    <message>
        <source>Se arrastra con el mouse; con la escena enfocada, las flechas la mueven</source>
        <translation>Drag it with the mouse; with the scene focused, the arrow keys move it</translation>
    </message>
    <message>
        <source>Tabla</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Tabla de la muestra</source>
        <translation>Sample table</translation>
    </message>
    <message>
        <source>Leyenda de la comparación</source>
        <translation>Comparison legend</translation>
    </message>
    <message>
        <source>Experiencia %1</source>
        <translation>Experiment %1</translation>
    </message>
    <message>
        <source>Velocidades Instantáneas</source>
        <translation>Instantaneous Velocities</translation>
    </message>
    <message>
        <source>Gráfica de la experiencia elegida en función del tiempo</source>
        <translation>Graph of the chosen experiment against time</translation>
    </message>
    <message>
        <source>tiempo</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Posiciones Y</source>
        <translation>Y Positions</translation>
    </message>
    <message>
        <source>Velocidades Vy</source>
        <translation>Vy Velocities</translation>
    </message>
    <message>
        <source>Experiencia Nro.</source>
        <translation>Experiment No.</translation>
    </message>
    <message>
        <source>Experiencia anterior</source>
        <translation>Previous experiment</translation>
    </message>
    <message>
        <source>Muestra la experiencia anterior (flecha abajo en Experiencia Nro.)</source>
        <translation>Shows the previous experiment (down arrow in Experiment No.)</translation>
    </message>
    <message>
        <source>Experiencia siguiente</source>
        <translation>Next experiment</translation>
    </message>
    <message>
        <source>Muestra la experiencia siguiente (flecha arriba en Experiencia Nro.)</source>
        <translation>Shows the next experiment (up arrow in Experiment No.)</translation>
    </message>
    <message>
        <source>Ver Posiciones</source>
        <translation>Show Positions</translation>
    </message>
    <message>
        <source>Gráfica al Portapapeles</source>
        <translation>Graph to Clipboard</translation>
    </message>
    <message>
        <source>Datos al Portapapeles</source>
        <translation>Data to Clipboard</translation>
    </message>
    <message>
        <source>Comparar gráficas</source>
        <translation>Compare Graphs</translation>
    </message>
    <message>
        <source>Ver Velocidades</source>
        <translation>Show Velocities</translation>
    </message>
    <message>
        <source>Posiciones</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Velocidades Instantaneas</source>
        <translation>Instantaneous Velocities</translation>
    </message>
    <message>
        <source>Tabla de posiciones</source>
        <translation>Table of positions</translation>
    </message>
    <message>
        <source>Tabla de velocidades</source>
        <translation>Table of velocities</translation>
    </message>
    <message>
        <source>Columnas: t en s, X en m, Y en m</source>
        <translation>Columns: t in s, X in m, Y in m</translation>
    </message>
    <message>
        <source>Columnas: t en s, Vx en m/s, Vy en m/s</source>
        <translation>Columns: t in s, Vx in m/s, Vy in m/s</translation>
    </message>
    <message>
        <source>Velocidades Vx</source>
        <translation>Vx Velocities</translation>
    </message>
    <message>
        <source>Posiciones X</source>
        <translation>X Positions</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>Acero</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>Piedra</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Hielo</source>
        <translation>Ice</translation>
    </message>
    <message>
        <source>Madera</source>
        <translation>Wood</translation>
    </message>
    <message>
        <source>Otro material</source>
        <translation>Other material</translation>
    </message>
    <message>
        <source>Velocidad inicial Vo, m/s</source>
        <translation>Initial speed Vo, m/s</translation>
    </message>
    <message>
        <source>Ángulo inicial θ, grados</source>
        <translation>Launch angle θ, degrees</translation>
    </message>
    <message>
        <source>X inicial Xo, m</source>
        <translation>Initial X Xo, m</translation>
    </message>
    <message>
        <source>Y inicial Yo, m</source>
        <translation>Initial Y Yo, m</translation>
    </message>
    <message>
        <source>X inicial del blanco Xo, m</source>
        <translation>Target&apos;s initial X Xo, m</translation>
    </message>
    <message>
        <source>Y inicial del blanco Yo, m</source>
        <translation>Target&apos;s initial Y Yo, m</translation>
    </message>
    <message>
        <source>Velocidad X del blanco Vx, m/s</source>
        <translation>Target&apos;s X velocity Vx, m/s</translation>
    </message>
    <message>
        <source>Velocidad Y del blanco Vy, m/s</source>
        <translation>Target&apos;s Y velocity Vy, m/s</translation>
    </message>
    <message>
        <source>Radio de la partícula, cm</source>
        <translation>Particle radius, cm</translation>
    </message>
    <message>
        <source>Viento horizontal, m/s</source>
        <translation>Horizontal wind, m/s</translation>
    </message>
    <message>
        <source>Aumentar %1</source>
        <translation>Increase %1</translation>
    </message>
    <message>
        <source>Suma %1 a %2 (flecha arriba o Re Pág en su caja)</source>
        <translation>Adds %1 to %2 (up arrow or Page Up in its box)</translation>
    </message>
    <message>
        <source>Disminuir %1</source>
        <translation>Decrease %1</translation>
    </message>
    <message>
        <source>Resta %1 a %2 (flecha abajo o Av Pág en su caja)</source>
        <translation>Subtracts %1 from %2 (down arrow or Page Down in its box)</translation>
    </message>
    <message>
        <source>Condiciones iniciales</source>
        <translation>Initial Conditions</translation>
    </message>
    <message>
        <source>Blanco</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Vacío</source>
        <translation>Vacuum</translation>
    </message>
    <message>
        <source> Aire</source>
        <translation> Air</translation>
    </message>
    <message>
        <source>Viento (m/S)</source>
        <translation>Wind (m/S)</translation>
    </message>
    <message>
        <source>Partícula</source>
        <translation>Particle</translation>
    </message>
    <message>
        <source>Material de la partícula</source>
        <translation>Particle material</translation>
    </message>
    <message>
        <source>Forma de la partícula</source>
        <translation>Particle shape</translation>
    </message>
    <message>
        <source>Lanzar</source>
        <translation>Launch</translation>
    </message>
    <message>
        <source>Lanza la partícula con los valores de los paneles</source>
        <translation>Launches the particle with the values in the panels</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Detiene el vuelo en curso</source>
        <translation>Stops the flight in progress</translation>
    </message>
    <message>
        <source>Valor fuera de rango</source>
        <translation>Value out of range</translation>
    </message>
    <message>
        <source>Ingrese la densidad, entre 0.01 y 20</source>
        <translation>Enter the density, between 0.01 and 20</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Material: d = %1</source>
        <translation>Material: d = %1</translation>
    </message>
    <message>
        <source>Repetir</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Muestra</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Intro abre la tabla de la muestra</source>
        <translation>Enter opens the sample table</translation>
    </message>
    <message>
        <source>Al comienzo (Inicio)</source>
        <translation>Go to the start (Home)</translation>
    </message>
    <message>
        <source>Muestra anterior (flecha izquierda)</source>
        <translation>Previous sample (left arrow)</translation>
    </message>
    <message>
        <source>Reproducir</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Reproducir o pausar (barra espaciadora)</source>
        <translation>Play or pause (space bar)</translation>
    </message>
    <message>
        <source>Muestra siguiente (flecha derecha)</source>
        <translation>Next sample (right arrow)</translation>
    </message>
    <message>
        <source>Al final (Fin)</source>
        <translation>Go to the end (End)</translation>
    </message>
    <message>
        <source>Ritmo</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>el del vuelo</source>
        <translation>flight&apos;s own</translation>
    </message>
    <message>
        <source>tiempo real</source>
        <translation>real time</translation>
    </message>
    <message>
        <source>Tiempo real: una muestra cada 0,75 s, lo que duró en el vuelo</source>
        <translation>Real time: one sample every 0.75 s, as long as it took in the flight</translation>
    </message>
    <message>
        <source>Muestra %1 de %2</source>
        <translation>Sample %1 of %2</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>%1 (d: %2)</source>
        <comment>a material and its density in g/cm³</comment>
        <translation>%1 (d: %2)</translation>
    </message>
    <message>
        <source>trayecta: no se pudo escribir la salida estándar.</source>
        <translation>trayecta: could not write to the standard output.</translation>
    </message>
</context>
</TS>
