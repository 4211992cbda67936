<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="es">
<context>
    <name>Trayecta</name>
    <message>
        <source>Esfera</source>
        <translation>Esfera</translation>
    </message>
    <message>
        <source>Bala</source>
        <translation>Projétil</translation>
    </message>
    <message>
        <source>Fin</source>
        <comment>a sweep table&apos;s column heading: how the flight ended</comment>
        <translation>Fim</translation>
    </message>
    <message>
        <source>La opción %1 necesita %2.</source>
        <translation>A opção %1 precisa de %2.</translation>
    </message>
    <message>
        <source>CAMPO DESDE HASTA PASO</source>
        <translation>CAMPO INÍCIO FIM PASSO</translation>
    </message>
    <message>
        <source>--barrido: &quot;%1&quot; no es un campo que se pueda barrer (%2).</source>
        <translation>--barrido: &quot;%1&quot; não é um campo que possa ser varrido (%2).</translation>
    </message>
    <message>
        <source>DESDE</source>
        <translation>INÍCIO</translation>
    </message>
    <message>
        <source>HASTA</source>
        <translation>FIM</translation>
    </message>
    <message>
        <source>PASO</source>
        <translation>PASSO</translation>
    </message>
    <message>
        <source>%1: %2 no es un número: &quot;%3&quot;.</source>
        <translation>%1: %2 não é um número: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 fuera de rango (%3).</source>
        <translation>%1: %2 fora do intervalo (%3).</translation>
    </message>
    <message>
        <source>%1: PASO es 0 (los valores llevan cuatro decimales como máximo).</source>
        <translation>%1: PASSO é 0 (os valores têm no máximo quatro casas decimais).</translation>
    </message>
    <message>
        <source>%1: %2 se da en metros enteros; DESDE y PASO deben ser enteros.</source>
        <translation>%1: %2 é dado em metros inteiros; INÍCIO e PASSO devem ser inteiros.</translation>
    </message>
    <message>
        <source>%1: ningún valor; de DESDE %2 no se llega a HASTA %3 con PASO %4.</source>
        <translation>%1: nenhum valor; de INÍCIO %2 não se chega a FIM %3 com PASSO %4.</translation>
    </message>
    <message>
        <source>%1: %2 valores; el máximo es %3.</source>
        <translation>%1: %2 valores; o máximo é %3.</translation>
    </message>
    <message>
        <source>Alcance</source>
        <translation>Alcance</translation>
    </message>
    <message>
        <source>Alcance según %1</source>
        <translation>Alcance conforme %1</translation>
    </message>
    <message>
        <source>vacío</source>
        <translation>vácuo</translation>
    </message>
    <message>
        <source>aire</source>
        <translation>ar</translation>
    </message>
    <message>
        <source>viento %1</source>
        <translation>vento %1</translation>
    </message>
    <message>
        <source>densidad %1</source>
        <translation>densidade %1</translation>
    </message>
    <message>
        <source>bala</source>
        <translation>projétil</translation>
    </message>
    <message>
        <source>esfera</source>
        <translation>esfera</translation>
    </message>
    <message>
        <source>Exp. %1: %2</source>
        <translation>Exp. %1: %2</translation>
    </message>
    <message>
        <source>Velocidad vertical</source>
        <translation>Velocidade vertical</translation>
    </message>
    <message>
        <source>Velocidad horizontal</source>
        <translation>Velocidade horizontal</translation>
    </message>
    <message>
        <source>Altura</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Distancia horizontal</source>
        <translation>Distância horizontal</translation>
    </message>
    <message>
        <source>Velocidad vertical según el tiempo</source>
        <translation>Velocidade vertical em função do tempo</translation>
    </message>
    <message>
        <source>Velocidad horizontal según el tiempo</source>
        <translation>Velocidade horizontal em função do tempo</translation>
    </message>
    <message>
        <source>Altura según el tiempo</source>
        <translation>Altura em função do tempo</translation>
    </message>
    <message>
        <source>Distancia horizontal según el tiempo</source>
        <translation>Distância horizontal em função do tempo</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>forma</source>
        <comment>the particle&apos;s shape, in a title</comment>
        <translation>forma</translation>
    </message>
    <message>
        <source>%1, una curva por %2</source>
        <translation>%1, uma curva por %2</translation>
    </message>
    <message>
        <source>--familia: &quot;%1&quot; no es un campo que pueda formar una familia (%2 %3).</source>
        <translation>--familia: &quot;%1&quot; não é um campo que possa formar uma família (%2 %3).</translation>
    </message>
    <message>
        <source>--familia %1: es el campo del barrido; la familia varía otro.</source>
        <translation>--familia %1: é o campo da varredura; a família deve variar outro.</translation>
    </message>
    <message>
        <source>--familia Forma: &quot;%1&quot; no es una forma (Esfera o Bala).</source>
        <translation>--familia Forma: &quot;%1&quot; não é uma forma (Esfera ou Bala).</translation>
    </message>
    <message>
        <source>--familia %1: se leen %2 valores, %3; para escribirlos con coma decimal, sepárelos con punto y coma (&quot;0,5;1&quot;).</source>
        <translation>--familia %1: são lidos %2 valores, %3; para escrevê-los com vírgula decimal, separe-os com ponto e vírgula (&quot;0,5;1&quot;).</translation>
    </message>
    <message>
        <source>no es un número: &quot;%1&quot;</source>
        <translation>não é um número: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 se da en metros enteros</source>
        <translation>%1 é dado em metros inteiros</translation>
    </message>
    <message>
        <source>--barrido necesita una línea de lanzamiento y la entrada no tiene ninguna.</source>
        <translation>--barrido precisa de uma linha de lançamento e a entrada não tem nenhuma.</translation>
    </message>
    <message>
        <source>%1, línea %2: --barrido lee una sola línea de lanzamiento y esta es otra más.</source>
        <translation>%1, linha %2: --barrido lê uma única linha de lançamento e esta é mais uma.</translation>
    </message>
    <message>
        <source>campo %1 (%2)</source>
        <translation>campo %1 (%2)</translation>
    </message>
    <message>
        <source>%1: Valor fuera de rango (%2; %3)</source>
        <translation>%1: Valor fora do intervalo (%2; %3)</translation>
    </message>
    <message>
        <source>se esperaban %1 o %2 campos y hay %3</source>
        <translation>eram esperados %1 ou %2 campos e há %3</translation>
    </message>
    <message>
        <source>%1: no es un número: &quot;%2&quot;</source>
        <translation>%1: não é um número: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1, línea %2: %3</source>
        <translation>%1, linha %2: %3</translation>
    </message>
    <message>
        <source>%1, línea %2: más de %3 lanzamientos; se guardan diez experiencias como máximo</source>
        <translation>%1, linha %2: mais de %3 lançamentos; são guardados no máximo dez experimentos</translation>
    </message>
    <message>
        <source>entrada estándar</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>No se puede leer la entrada estándar: %1.</source>
        <translation>Não é possível ler a entrada padrão: %1.</translation>
    </message>
    <message>
        <source>No se puede leer %1: %2.</source>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1: no hay experiencias que comparar.</source>
        <translation>%1: não há experimentos para comparar.</translation>
    </message>
    <message>
        <source>%1: no hay experiencia %2 (hay %3).</source>
        <translation>%1: não há experimento %2 (há %3).</translation>
    </message>
    <message>
        <source>--leer carga experiencias en lugar de lanzamientos: no se le agregan archivos de lanzamientos.</source>
        <translation>--leer carrega experimentos em vez de lançamentos: não se acrescentam arquivos de lançamentos a ele.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es &quot;posiciones&quot; ni &quot;velocidades&quot;.</source>
        <translation>%1: &quot;%2&quot; não é &quot;posiciones&quot; nem &quot;velocidades&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es un número de experiencia de 1 a 10 o &quot;todos&quot;.</source>
        <translation>%1: &quot;%2&quot; não é um número de experimento de 1 a 10 nem &quot;todos&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es un número de experiencia de 1 a 10.</source>
        <translation>%1: &quot;%2&quot; não é um número de experimento de 1 a 10.</translation>
    </message>
    <message>
        <source>&quot;posiciones&quot; o &quot;velocidades&quot; y un número de experiencia de 1 a 10</source>
        <translation>&quot;posiciones&quot; ou &quot;velocidades&quot; e um número de experimento de 1 a 10</translation>
    </message>
    <message>
        <source>--inic ARCHIVO</source>
        <translation>--inic ARQUIVO</translation>
    </message>
    <message>
        <source>límites y valores iniciales (INIC.DAT de la carpeta de trabajo)</source>
        <translation>limites e valores iniciais (INIC.DAT da pasta de trabalho)</translation>
    </message>
    <message>
        <source>--leer ARCHIVO.TYA</source>
        <translation>--leer ARQUIVO.TYA</translation>
    </message>
    <message>
        <source>carga las experiencias de un archivo de experiencias
(como Recuperar) en lugar de calcular lanzamientos;
las demás salidas trabajan sobre ellas</source>
        <translation>carrega os experimentos de um arquivo de experimentos
(como Abrir) em vez de calcular lançamentos; as
demais saídas trabalham sobre eles</translation>
    </message>
    <message>
        <source>--tya ARCHIVO</source>
        <translation>--tya ARQUIVO</translation>
    </message>
    <message>
        <source>guarda las experiencias en un archivo de experiencias</source>
        <translation>salva os experimentos em um arquivo de experimentos</translation>
    </message>
    <message>
        <source>--escena ARCHIVO.png</source>
        <translation>--escena ARQUIVO.png</translation>
    </message>
    <message>
        <source>guarda la imagen de la escena tras los vuelos (con
--rotulado, una hoja A4 con reglas en metros)</source>
        <translation>salva a imagem da cena após os voos (com --rotulado,
uma folha A4 com réguas em metros)</translation>
    </message>
    <message>
        <source>&quot;posiciones&quot; o &quot;velocidades&quot; y un número de experiencia de 1 a 10 o &quot;todos&quot;</source>
        <translation>&quot;posiciones&quot; ou &quot;velocidades&quot; e um número de experimento de 1 a 10 ou &quot;todos&quot;</translation>
    </message>
    <message>
        <source>--grafico posiciones|velocidades N|todos ARCHIVO.png</source>
        <translation>--grafico posiciones|velocidades N|todos ARQUIVO.png</translation>
    </message>
    <message>
        <source>guarda como imagen el gráfico contra el tiempo de la
experiencia N (1 a 10), o con &quot;todos&quot; la comparación
de todas las experiencias; muestra Y o Vy</source>
        <translation>salva como imagem o gráfico em função do tempo do
experimento N (1 a 10), ou com &quot;todos&quot; a comparação
de todos os experimentos; mostra Y ou Vy</translation>
    </message>
    <message>
        <source>los gráficos de --grafico y la escena de --escena salen
como hojas de trabajo A4: título, ejes con valores y
unidades (la escena, con reglas en metros) y una
leyenda con Vo, Ang, el medio y todo campo que cambie
entre las experiencias</source>
        <translation>os gráficos de --grafico e a cena de --escena saem
como folhas de trabalho A4: título, eixos com valores
e unidades (a cena, com réguas em metros) e uma
legenda com Vo, Ang, o meio e todo campo que mude
entre os experimentos</translation>
    </message>
    <message>
        <source>los gráficos muestran X o Vx en lugar de Y o Vy</source>
        <translation>os gráficos mostram X ou Vx em vez de Y ou Vy</translation>
    </message>
    <message>
        <source>imprime la tabla de posiciones de la experiencia N</source>
        <translation>imprime a tabela de posições do experimento N</translation>
    </message>
    <message>
        <source>imprime la tabla de velocidades de la experiencia N</source>
        <translation>imprime a tabela de velocidades do experimento N</translation>
    </message>
    <message>
        <source>imprime la línea de bitácora de cada lanzamiento</source>
        <translation>imprime a linha do registro de sessão de cada lançamento</translation>
    </message>
    <message>
        <source>imprime la tabla de valores extremos separada por
tabuladores, como la copia al portapapeles (con las
columnas del blanco si el último lanzamiento lo tiene)</source>
        <translation>imprime a tabela de valores extremos separada por
tabulações, como a cópia para a área de transferência
(com as colunas do alvo se o último lançamento o tiver)</translation>
    </message>
    <message>
        <source>--imprimir-valores ARCHIVO.pdf</source>
        <translation>--imprimir-valores ARQUIVO.pdf</translation>
    </message>
    <message>
        <source>guarda la tabla de valores extremos tal como se
imprime, en un PDF</source>
        <translation>salva a tabela de valores extremos tal como é
impressa, em um PDF</translation>
    </message>
    <message>
        <source>imprime una línea por experiencia: número, muestras,
tiempo final, X final y el mensaje del final, si hubo
(es la salida cuando no se pide ninguna otra)</source>
        <translation>imprime uma linha por experimento: número, amostras,
tempo final, X final e a mensagem do final, se houver
(é a saída quando não se pede nenhuma outra)</translation>
    </message>
    <message>
        <source>--barrido CAMPO DESDE HASTA PASO</source>
        <translation>--barrido CAMPO INÍCIO FIM PASSO</translation>
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
        <translation>voa o único lançamento da entrada uma vez para cada
valor INÍCIO, INÍCIO+PASSO, ... até FIM do campo
CAMPO (Xo Yo Vo Ang Viento R Densidad Cd), cada voo
como o primeiro experimento; imprime para cada valor
N, T, Xfin, Ymax (a altura máxima de Valores
Extremos), Vfin e a mensagem do final (1000 valores
no máximo; Xo e Yo em metros inteiros; só se combina
com --inic, --grafico-barrido, --familia e -j, uma
vez cada uma)</translation>
    </message>
    <message>
        <source>--grafico-barrido ARCHIVO.png</source>
        <translation>--grafico-barrido ARQUIVO.png</translation>
    </message>
    <message>
        <source>con --barrido, guarda en una hoja A4 el alcance
según CAMPO; los vuelos que no terminaron en el suelo
van aparte, con su símbolo explicado</source>
        <translation>com --barrido, salva em uma folha A4 o alcance
conforme CAMPO; os voos que não terminaram no solo
vão à parte, com seu símbolo explicado</translation>
    </message>
    <message>
        <source>CAMPO V1,V2,...</source>
        <translation>CAMPO V1,V2,...</translation>
    </message>
    <message>
        <source>--familia CAMPO V1,V2,...</source>
        <translation>--familia CAMPO V1,V2,...</translation>
    </message>
    <message>
        <source>con --barrido, repite el barrido para cada valor V1, V2,
... (10 como máximo) de otro campo (Xo Yo Vo Ang Viento
R Densidad Cd, Aire con 0,1 para vacío y aire, o Forma
con Esfera,Bala); las comas separan los valores, salvo
que los separe un punto y coma: &quot;0,5;1&quot; son 0,5 y 1;
la tabla lleva ese campo en la primera columna y el
gráfico una curva por valor</source>
        <translation>com --barrido, repete a varredura para cada valor V1,
V2, ... (10 no máximo) de outro campo (Xo Yo Vo Ang
Viento R Densidad Cd, Aire com 0,1 para vácuo e ar, ou
Forma com Esfera,Bala); as vírgulas separam os valores,
salvo se um ponto e vírgula os separar: &quot;0,5;1&quot; são 0,5
e 1; a tabela leva esse campo na primeira coluna e o
gráfico uma curva por valor</translation>
    </message>
    <message>
        <source>ANCHOxALTO en puntos</source>
        <translation>LARGURAxALTURA em pixels</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es ANCHOxALTO en puntos, cada uno de %3 a %4 (por ejemplo 1754x1240).</source>
        <translation>%1: &quot;%2&quot; não é LARGURAxALTURA em pixels, cada um de %3 a %4 (por exemplo 1754x1240).</translation>
    </message>
    <message>
        <source>--tamano ANCHOxALTO</source>
        <translation>--tamano LARGURAxALTURA</translation>
    </message>
    <message>
        <source>el PNG de una hoja (--grafico-barrido, --rotulado)
mide ANCHO x ALTO puntos en lugar de A4 a 300 ppp</source>
        <translation>o PNG de uma folha (--grafico-barrido, --rotulado)
mede LARGURA x ALTURA pixels em vez de A4 a 300 dpi</translation>
    </message>
    <message>
        <source>un número de hilos</source>
        <translation>um número de threads</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; no es un número de hilos de 1 a 256.</source>
        <translation>%1: &quot;%2&quot; não é um número de threads de 1 a 256.</translation>
    </message>
    <message>
        <source>vuela los lanzamientos de --barrido en N hilos como
máximo (de forma predeterminada, uno por núcleo; el
resultado es el mismo)</source>
        <translation>voa os lançamentos de --barrido em N threads no
máximo (por padrão, uma por núcleo; o resultado é o
mesmo)</translation>
    </message>
    <message>
        <source>muestra el nombre y la versión del programa</source>
        <translation>mostra o nome e a versão do programa</translation>
    </message>
    <message>
        <source>muestra esta ayuda</source>
        <translation>mostra esta ajuda</translation>
    </message>
    <message>
        <source>Opción desconocida: %1 (vea --help).</source>
        <translation>Opção desconhecida: %1 (veja --help).</translation>
    </message>
    <message>
        <source>La opción %1 se da dos veces; se admite una sola.</source>
        <translation>A opção %1 é dada duas vezes; só se admite uma.</translation>
    </message>
    <message>
        <source>La opción %1 necesita un nombre de archivo.</source>
        <translation>A opção %1 precisa de um nome de arquivo.</translation>
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
        <translation>Uso: trayecta-calc [opções] [arquivo...]

Calcula lançamentos do Trayecta sem janela. Lê um lançamento por linha dos
arquivos nomeados (&quot;-&quot; ou nenhum: a entrada padrão). Cada linha tem nove
números na ordem do registro de sessão:
    Xo Yo Vo Ang Aire Viento R Densidad Cd
e, se forem acrescentados mais quatro, XoB YoB Vxb Vyb, um alvo posicionado para
esse lançamento. Os campos são separados por espaços ou tabulações. As linhas
cujo primeiro campo não é um número são puladas, de modo que um registro de
sessão (.log) serve de entrada tal como está. Os lançamentos são os experimentos
1, 2, ... (dez no máximo).

Os valores são verificados com os limites de INIC.DAT; Aire é 0 (vácuo) ou 1 (ar),
Densidad vai de 0.01 a 20 e Cd é 0.4 (esfera) ou 0.2 (projétil).

Opções:
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
        <translation>As opções podem ser combinadas; as saídas são impressas na ordem pedida.
O experimento N de --tabla e --grafico deve ser um dos lançamentos dados.
A cena e os gráficos são salvos como PDF se o nome terminar em .pdf, como SVG se
terminar em .svg e como PNG se terminar em .png ou não tiver terminação; outra
terminação é recusada. As folhas (--grafico-barrido, --rotulado) são A4 em
paisagem; seu PNG, de 3508 x 2480 pixels (300 por polegada).

Separador decimal: ao ler, &quot;.&quot; e &quot;,&quot; valem em qualquer número (em --familia as
vírgulas separam valores, salvo se um ponto e vírgula o fizer; se nenhum valor
tiver ponto, a saída de erros diz os valores lidos). Ao escrever, as tabelas, o
registro de sessão e os números das figuras usam o separador do idioma do
sistema: a vírgula com pt_BR.UTF-8 ou es_ES.UTF-8, o ponto com en_US.UTF-8 ou
LC_ALL=C (para outros programas). Os arquivos de experimentos e INIC.DAT usam
sempre o ponto.

Estado de saída: 0 sucesso; 1 não foi possível escrever um arquivo de saída ou a
saída padrão; 2 opções ou entrada recusadas (a mensagem nomeia a linha e o campo)
e nada escrito.
</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <comment>the last two of a list</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>--barrido solo se combina con %1, no con %2.</source>
        <translation>--barrido só se combina com %1, não com %2.</translation>
    </message>
    <message>
        <source>La opción --rotulado necesita --grafico o --escena.</source>
        <translation>A opção --rotulado precisa de --grafico ou --escena.</translation>
    </message>
    <message>
        <source>No se pudo escribir la salida estándar: %1.</source>
        <translation>Não foi possível escrever a saída padrão: %1.</translation>
    </message>
    <message>
        <source>No se pudo escribir la salida.</source>
        <translation>Não foi possível escrever a saída.</translation>
    </message>
    <message>
        <source>no es un archivo común (es un dispositivo o una tubería)</source>
        <translation>não é um arquivo comum (é um dispositivo ou um pipe)</translation>
    </message>
    <message>
        <source>ocupa más de %1, el máximo que se lee de este archivo</source>
        <translation>ocupa mais de %1, o máximo que se lê deste arquivo</translation>
    </message>
    <message>
        <source>ocupa más de %1, el máximo que se lee</source>
        <translation>ocupa mais de %1, o máximo que se lê</translation>
    </message>
    <message>
        <source>No se puede leer el archivo %1: %2.</source>
        <translation>Não é possível ler o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>Uso: trayecta [ARCHIVO.TYA]</source>
        <translation>Uso: trayecta [ARQUIVO.TYA]</translation>
    </message>
    <message>
        <source>%1

Abre Trayecta; con un archivo de experiencias (.TYA), lo carga como &quot;Recuperar&quot;.
  --version  muestra la versión
  --help     muestra esta ayuda
</source>
        <translation>%1

Abre o Trayecta; com um arquivo de experimentos (.TYA), carrega-o como &quot;Abrir&quot;.
  --version  mostra a versão
  --help     mostra esta ajuda
</translation>
    </message>
    <message>
        <source>trayecta: opción desconocida «%1»
%2</source>
        <translation>trayecta: opção desconhecida “%1”
%2</translation>
    </message>
    <message>
        <source>trayecta: sobra «%1»: se abre un solo archivo de experiencias a la vez
%2</source>
        <translation>trayecta: argumento a mais “%1”: só se abre um arquivo de experimentos por vez
%2</translation>
    </message>
    <message>
        <source>trayecta: el nombre de archivo está vacío
%1</source>
        <translation>trayecta: o nome do arquivo está vazio
%1</translation>
    </message>
    <message>
        <source>El argumento %1 (%2) no es texto UTF-8 válido: un nombre de archivo así no se puede usar tal cual; cámbiele el nombre.</source>
        <translation>O argumento %1 (%2) não é texto UTF-8 válido: um nome de arquivo assim não pode ser usado como está; renomeie o arquivo.</translation>
    </message>
    <message>
        <source>X inicial</source>
        <translation>X inicial</translation>
    </message>
    <message>
        <source>, de %1 a %2 m</source>
        <translation>, de %1 a %2 m</translation>
    </message>
    <message>
        <source>Posición inicial X</source>
        <translation>Posição inicial X</translation>
    </message>
    <message>
        <source>la posición inicial X</source>
        <translation>a posição inicial X</translation>
    </message>
    <message>
        <source>Y Inicial</source>
        <translation>Y inicial</translation>
    </message>
    <message>
        <source>Altura inicial</source>
        <translation>Altura inicial</translation>
    </message>
    <message>
        <source>la altura inicial</source>
        <translation>a altura inicial</translation>
    </message>
    <message>
        <source>Velocidad Inicial</source>
        <translation>Velocidade inicial</translation>
    </message>
    <message>
        <source>, de %1 a %2 m/S</source>
        <translation>, de %1 a %2 m/S</translation>
    </message>
    <message>
        <source>Velocidad inicial</source>
        <translation>Velocidade inicial</translation>
    </message>
    <message>
        <source>la velocidad inicial</source>
        <translation>a velocidade inicial</translation>
    </message>
    <message>
        <source>Angulo Inicial</source>
        <translation>Ângulo de lançamento</translation>
    </message>
    <message>
        <source>, de %1º a %2º</source>
        <translation>, de %1º a %2º</translation>
    </message>
    <message>
        <source>Ángulo de lanzamiento</source>
        <translation>Ângulo de lançamento</translation>
    </message>
    <message>
        <source>el ángulo de lanzamiento</source>
        <translation>o ângulo de lançamento</translation>
    </message>
    <message>
        <source>Medio: 0 vacío, 1 aire</source>
        <translation>Meio: 0 vácuo, 1 ar</translation>
    </message>
    <message>
        <source>Medio</source>
        <translation>Meio</translation>
    </message>
    <message>
        <source>el medio</source>
        <translation>o meio</translation>
    </message>
    <message>
        <source>Viento Horiz.</source>
        <translation>Vento horizontal</translation>
    </message>
    <message>
        <source> De %1 m/S a %2m/S</source>
        <translation> de %1 m/S a %2m/S</translation>
    </message>
    <message>
        <source>Velocidad del viento</source>
        <translation>Velocidade do vento</translation>
    </message>
    <message>
        <source>la velocidad del viento</source>
        <translation>a velocidade do vento</translation>
    </message>
    <message>
        <source>Radio de Partícula</source>
        <translation>Raio da partícula</translation>
    </message>
    <message>
        <source>, de %1cm a %2 cm</source>
        <translation>, de %1cm a %2 cm</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>el radio</source>
        <translation>o raio</translation>
    </message>
    <message>
        <source>Densidad del material</source>
        <translation>Densidade do material</translation>
    </message>
    <message>
        <source>Densidad</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>la densidad</source>
        <translation>a densidade</translation>
    </message>
    <message>
        <source>Coeficiente de arrastre de la forma</source>
        <translation>Coeficiente de arrasto da forma</translation>
    </message>
    <message>
        <source>Coeficiente de arrastre Cd</source>
        <translation>Coeficiente de arrasto Cd</translation>
    </message>
    <message>
        <source>el coeficiente de arrastre</source>
        <translation>o coeficiente de arrasto</translation>
    </message>
    <message>
        <source>X inicial del blanco</source>
        <translation>X inicial do alvo</translation>
    </message>
    <message>
        <source>Y inicial del blanco</source>
        <translation>Y inicial do alvo</translation>
    </message>
    <message>
        <source>Velocidad X del blanco</source>
        <translation>Velocidade X do alvo</translation>
    </message>
    <message>
        <source>Velocidad Y del blanco</source>
        <translation>Velocidade Y do alvo</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta de trabajo %1.</source>
        <translation>Não foi possível criar a pasta de trabalho %1.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo instalado %1.</source>
        <translation>Não é possível ler o arquivo instalado %1.</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>No se pudo copiar %1 en la carpeta de trabajo %2: %3.</source>
        <translation>Não foi possível copiar %1 para a pasta de trabalho %2: %3.</translation>
    </message>
    <message>
        <source>No se pudo escribir %1: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>No se puede usar la carpeta de trabajo %1.</source>
        <translation>Não é possível usar a pasta de trabalho %1.</translation>
    </message>
    <message>
        <source>de %1 a %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>%1 o %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>el valor inicial</source>
        <translation>o valor inicial</translation>
    </message>
    <message>
        <source>el máximo</source>
        <translation>o máximo</translation>
    </message>
    <message>
        <source>el mínimo</source>
        <translation>o mínimo</translation>
    </message>
    <message>
        <source>INIC.DAT, línea %1, registro %2 (%3)</source>
        <translation>INIC.DAT, linha %1, registro %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2,%3&quot; lleva coma decimal; en INIC.DAT el separador decimal es el punto (%2.%3) y la coma separa los valores.</source>
        <translation>%1: &quot;%2,%3&quot; tem vírgula decimal; no INIC.DAT o separador decimal é o ponto (%2.%3) e a vírgula separa os valores.</translation>
    </message>
    <message>
        <source>INIC.DAT debe tener diez registros de tres números (valor inicial, máximo y mínimo), 30 en total, y tiene %1</source>
        <translation>O INIC.DAT deve ter dez registros de três números (valor inicial, máximo e mínimo), 30 no total, e tem %1</translation>
    </message>
    <message>
        <source>%1: falta %2 del registro %3 (%4).</source>
        <translation>%1: falta %2 do registro %3 (%4).</translation>
    </message>
    <message>
        <source>%1: %2 (&quot;%3&quot;) no es un número.</source>
        <translation>%1: %2 (&quot;%3&quot;) não é um número.</translation>
    </message>
    <message>
        <source>%1: %2 (%3) es demasiado grande.</source>
        <translation>%1: %2 (%3) é grande demais.</translation>
    </message>
    <message>
        <source>%1: el mínimo (%2) debe ser un número entero.</source>
        <translation>%1: o mínimo (%2) deve ser um número inteiro.</translation>
    </message>
    <message>
        <source>%1: el mínimo (%2) es mayor que el máximo (%3).</source>
        <translation>%1: o mínimo (%2) é maior que o máximo (%3).</translation>
    </message>
    <message>
        <source>%1: el valor inicial (%2) está fuera de sus límites (%3 a %4).</source>
        <translation>%1: o valor inicial (%2) está fora de seus limites (%3 a %4).</translation>
    </message>
    <message>
        <source>%1: sobra &quot;%2&quot; (línea %3).</source>
        <translation>%1: &quot;%2&quot; está sobrando (linha %3).</translation>
    </message>
    <message>
        <source>No se puede leer el archivo INIC.DAT (%1): %2.</source>
        <translation>Não é possível ler o arquivo INIC.DAT (%1): %2.</translation>
    </message>
    <message>
        <source>El archivo trazo.txt no contiene 0 ni 1.</source>
        <translation>O arquivo trazo.txt não contém 0 nem 1.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo trazo.txt (%1): %2.</source>
        <translation>Não é possível ler o arquivo trazo.txt (%1): %2.</translation>
    </message>
    <message>
        <source>plomo</source>
        <translation>chumbo</translation>
    </message>
    <message>
        <source>acero</source>
        <translation>aço</translation>
    </message>
    <message>
        <source>piedra</source>
        <translation>pedra</translation>
    </message>
    <message>
        <source>hielo</source>
        <translation>gelo</translation>
    </message>
    <message>
        <source>madera</source>
        <translation>madeira</translation>
    </message>
    <message>
        <source>Impacto</source>
        <translation>Impacto</translation>
    </message>
    <message>
        <source>Detenido</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Fin de Simulación</source>
        <translation>Fim da Simulação</translation>
    </message>
    <message>
        <source>Fuera de escala</source>
        <translation>Fora de escala</translation>
    </message>
    <message>
        <source>Experiencia %1, %2, %3</source>
        <translation>Experimento %1, %2, %3</translation>
    </message>
    <message>
        <source>Experiencia %1, %2</source>
        <translation>Experimento %1, %2</translation>
    </message>
    <message>
        <source>%1: alcance %2 m, altura máxima %3 m, tiempo %4 s, distancia mínima al blanco %5 m a los %6 s.</source>
        <translation>%1: alcance %2 m, altura máxima %3 m, tempo %4 s, distância mínima ao alvo %5 m aos %6 s.</translation>
    </message>
    <message>
        <source>%1: alcance %2 m, altura máxima %3 m, tiempo %4 s.</source>
        <translation>%1: alcance %2 m, altura máxima %3 m, tempo %4 s.</translation>
    </message>
    <message>
        <source>Ninguna experiencia.</source>
        <translation>Nenhum experimento.</translation>
    </message>
    <message>
        <source>Unidad</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Carpeta</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Archivo %1</source>
        <translation>Arquivo %1</translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>ese nombre es una carpeta</source>
        <translation>esse nome é uma pasta</translation>
    </message>
    <message>
        <source>No se pudo componer el documento %1.</source>
        <translation>Não foi possível compor o documento %1.</translation>
    </message>
    <message>
        <source>No se puede crear el archivo %1: %2.</source>
        <translation>Não é possível criar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1: %2.</source>
        <translation>Não foi possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo %1: %2.</source>
        <translation>Não foi possível salvar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>No hay ninguna impresora instalada. Lo que se iba a imprimir quedó guardado en el archivo:
%1</source>
        <translation>Não há nenhuma impressora instalada. O que seria impresso foi salvo no arquivo:
%1</translation>
    </message>
    <message>
        <source>No se pudo imprimir.
%1</source>
        <translation>Não foi possível imprimir.
%1</translation>
    </message>
    <message>
        <source>La impresora %1 no está disponible.</source>
        <translation>A impressora %1 não está disponível.</translation>
    </message>
    <message>
        <source>La impresora %1 informó un error.</source>
        <translation>A impressora %1 informou um erro.</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>não há mais espaço no disco</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>no hay permiso</source>
        <translation>sem permissão</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>error de lectura o escritura del disco</source>
        <translation>erro de leitura ou gravação do disco</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>há arquivos abertos demais</translation>
    </message>
    <message>
        <source>la ruta tiene demasiados enlaces</source>
        <translation>o caminho tem links demais</translation>
    </message>
    <message>
        <source>el archivo está en uso</source>
        <translation>o arquivo está em uso</translation>
    </message>
    <message>
        <source>el dispositivo no está disponible</source>
        <translation>o dispositivo não está disponível</translation>
    </message>
    <message>
        <source>ya existe</source>
        <translation>já existe</translation>
    </message>
    <message>
        <source>el sistema no dio el motivo</source>
        <translation>o sistema não informou o motivo</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <translation>erro do sistema número %1</translation>
    </message>
    <message>
        <source>el archivo existente no se puede modificar</source>
        <translation>o arquivo existente não pode ser modificado</translation>
    </message>
    <message>
        <source>no se pudo leer</source>
        <translation>não foi possível ler</translation>
    </message>
    <message>
        <source>no se pudo escribir</source>
        <translation>não foi possível gravar</translation>
    </message>
    <message>
        <source>no se pudo abrir</source>
        <translation>não foi possível abrir</translation>
    </message>
    <message>
        <source>faltan recursos del sistema</source>
        <translation>faltam recursos do sistema</translation>
    </message>
    <message>
        <source>no se pudo reemplazar el archivo anterior</source>
        <translation>não foi possível substituir o arquivo anterior</translation>
    </message>
    <message>
        <source>está en UTF-16; se lee texto UTF-8 o Latin-1</source>
        <translation>está em UTF-16; só se lê texto UTF-8 ou Latin-1</translation>
    </message>
    <message>
        <source>tiene bytes nulos: no es un archivo de texto</source>
        <translation>tem bytes nulos: não é um arquivo de texto</translation>
    </message>
    <message>
        <source>tiene caracteres de control: no es un archivo de texto</source>
        <translation>tem caracteres de controle: não é um arquivo de texto</translation>
    </message>
    <message>
        <source>No se puede guardar: el número de experiencias (%1) no está entre 0 y 10.</source>
        <translation>Não é possível salvar: o número de experimentos (%1) não está entre 0 e 10.</translation>
    </message>
    <message>
        <source>No se puede guardar: la experiencia %1 tiene un número de muestras imposible.</source>
        <translation>Não é possível salvar: o experimento %1 tem um número de amostras impossível.</translation>
    </message>
    <message>
        <source>el archivo termina antes de tiempo</source>
        <translation>o arquivo termina antes do esperado</translation>
    </message>
    <message>
        <source>el número es demasiado grande</source>
        <translation>o número é grande demais</translation>
    </message>
    <message>
        <source>la experiencia %1 declara %2 muestras; una experiencia tiene de 1 a %3</source>
        <translation>o experimento %1 declara %2 amostras; um experimento tem de 1 a %3</translation>
    </message>
    <message>
        <source>la experiencia %1 declara %2 muestras de velocidad y %3 de posición</source>
        <translation>o experimento %1 declara %2 amostras de velocidade e %3 de posição</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo completo.</source>
        <translation>Não foi possível gravar o arquivo completo.</translation>
    </message>
    <message>
        <source>ocupa más de %1; ningún archivo de experiencias es tan grande</source>
        <translation>ocupa mais de %1; nenhum arquivo de experimentos é tão grande</translation>
    </message>
    <message>
        <source>el archivo %1</source>
        <extracomment>%1 is what is wrong with the content: &quot;tiene bytes nulos: no es un archivo de texto&quot;</extracomment>
        <translation>o arquivo %1</translation>
    </message>
    <message>
        <source>el archivo declara %1 experiencias; caben de 0 a 10</source>
        <translation>o arquivo declara %1 experimentos; cabem de 0 a 10</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo %1: %2.</source>
        <translation>Não é possível abrir o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>No se puede leer el archivo %1, línea %2: %3.</source>
        <translation>Não é possível ler o arquivo %1, linha %2: %3.</translation>
    </message>
    <message>
        <source>No se puede crear %1: %2.</source>
        <translation>Não é possível criar %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo escribir la imagen %1: %2.</source>
        <translation>Não foi possível gravar a imagem %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2.</source>
        <translation>Não foi possível salvar %1: %2.</translation>
    </message>
    <message>
        <source>No se pudo escribir la imagen %1.</source>
        <translation>Não foi possível gravar a imagem %1.</translation>
    </message>
    <message>
        <source>%1: la terminación &quot;.%2&quot; no es de imagen; se guardan .png, .pdf y .svg.</source>
        <translation>%1: a terminação &quot;.%2&quot; não é de imagem; as imagens são salvas como .png, .pdf ou .svg.</translation>
    </message>
    <message>
        <source>No se pudo empezar el documento.</source>
        <translation>Não foi possível iniciar o documento.</translation>
    </message>
    <message>
        <source>No se pudo terminar el documento.</source>
        <translation>Não foi possível concluir o documento.</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>No se pudo empezar una página nueva.</source>
        <translation>Não foi possível iniciar uma nova página.</translation>
    </message>
    <message>
        <source>La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   %1 archivos y  %2 bytes</source>
        <translation>O programa está com a opção REGISTRAR SESSÃO ativada, com   %1 arquivos e  %2 bytes</translation>
    </message>
    <message>
        <source>La documentación de la sesión queda grabada en
archivos .log con la hora por nombre,
en la carpeta de la aplicacion</source>
        <translation>O registro da sessão fica gravado em
arquivos .log com a hora como nome,
na pasta do programa</translation>
    </message>
    <message>
        <source> ¿ Desea Desactivar la opción de DOCUMENTAR SESIÓN y borrar todos los archivos  .log  ?</source>
        <translation> Deseja desativar a opção REGISTRAR SESSÃO e apagar todos os arquivos  .log  ?</translation>
    </message>
    <message>
        <source>El archivo de ayuda %1 no tiene temas (cada tema empieza con una línea &quot;# título&quot;).</source>
        <translation>O arquivo de ajuda %1 não tem tópicos (cada tópico começa com uma linha &quot;# título&quot;).</translation>
    </message>
    <message>
        <source>Trayectorias en la escena</source>
        <translation>Trajetórias na cena</translation>
    </message>
    <message>
        <source>Distancia horizontal X (m); escala: 1 cm en la hoja son %1 m</source>
        <translation>Distância horizontal X (m); escala: 1 cm na folha equivale a %1 m</translation>
    </message>
    <message>
        <source>Altura Y (m)</source>
        <translation>Altura Y (m)</translation>
    </message>
    <message>
        <source>%1; máximo %2 con %3</source>
        <translation>%1; máximo %2 em %3</translation>
    </message>
    <message>
        <source>vuelo que terminó en &quot;Impacto&quot; con el blanco (no se une a la curva)</source>
        <translation>voo que terminou em &quot;Impacto&quot; com o alvo (não é ligado à curva)</translation>
    </message>
    <message>
        <source>vuelo que terminó &quot;Fuera de escala&quot; (no se une a la curva)</source>
        <translation>voo que terminou &quot;Fora de escala&quot; (não é ligado à curva)</translation>
    </message>
    <message>
        <source>vuelo cortado en el límite de marcas (no se une a la curva)</source>
        <translation>voo interrompido no limite de amostras (não é ligado à curva)</translation>
    </message>
    <message>
        <source>máximo: %1 con %2</source>
        <translation>máximo: %1 em %2</translation>
    </message>
    <message>
        <source>E&amp;scala x 10</source>
        <translation>E&amp;scala x 10</translation>
    </message>
    <message>
        <source>E&amp;scala /10</source>
        <translation>E&amp;scala /10</translation>
    </message>
    <message>
        <source>Experiencia %1, muestra %2 de %3: t %4 s, X %5 m, Y %6 m</source>
        <translation>Experimento %1, amostra %2 de %3: t %4 s, X %5 m, Y %6 m</translation>
    </message>
    <message>
        <source>Trayecta es un programa libre (GPL 3 o posterior) para la clase
de Física: simula el tiro oblicuo en el vacío y en el aire, y
trae problemas, un trabajo práctico y sus respuestas para el
docente (respuestas.txt).</source>
        <translation>O Trayecta é um programa livre (GPL 3 ou posterior) para a aula
de Física: simula o lançamento oblíquo no vácuo e no ar, e
traz problemas, um trabalho prático e suas respostas para o
professor (respuestas.txt).</translation>
    </message>
    <message>
        <source>Los textos (0Prob a 15Prob, tpract.txt, respuestas.txt, la ayuda)
se leen de la carpeta de trabajo, no de la de instalación: el
docente puede cambiarlos allí. Vea &quot;Archivos del programa&quot; en
la ayuda.</source>
        <translation>Os textos (0Prob a 15Prob, tpract.txt, respuestas.txt, a ajuda)
são lidos da pasta de trabalho, não da de instalação: o
professor pode alterá-los lá. Veja &quot;Arquivos do programa&quot; na
ajuda.</translation>
    </message>
    <message>
        <source>Valores Extremos</source>
        <translation>Valores Extremos</translation>
    </message>
    <message>
        <source>Acerca de Trayecta</source>
        <translation>Sobre o Trayecta</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Problema a resolver</source>
        <translation>Problema a Resolver</translation>
    </message>
    <message>
        <source>Modelo de Fricción</source>
        <translation>Modelo de Atrito</translation>
    </message>
    <message>
        <source>Método de cálculo</source>
        <translation>Método de Cálculo</translation>
    </message>
    <message>
        <source>Seguir</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Ingrese el Número de problema (entre 0 y 15)</source>
        <translation>Digite o número do problema (entre 0 e 15)</translation>
    </message>
    <message>
        <source>Problemas</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>No hay un problema elegido para imprimir: elija uno en Actividades, Problemas.</source>
        <translation>Não há um problema escolhido para imprimir: escolha um em Atividades, Problemas.</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>El archivo %1 ya no existe; se quitó de la lista.</source>
        <translation>O arquivo %1 não existe mais; foi retirado da lista.</translation>
    </message>
    <message>
        <source>No se pudo guardar la elección de colores en %1: vale solo hasta cerrar el programa.</source>
        <translation>Não foi possível salvar a escolha de cores em %1: ela vale só até o programa ser fechado.</translation>
    </message>
    <message>
        <source>Ayuda de Trayecta</source>
        <translation>Ajuda do Trayecta</translation>
    </message>
    <message>
        <source>Escriba una palabra</source>
        <translation>Digite uma palavra</translation>
    </message>
    <message>
        <source>Temas de ayuda</source>
        <translation>Tópicos da ajuda</translation>
    </message>
    <message>
        <source>Buscar temas que contengan</source>
        <translation>Buscar tópicos que contenham</translation>
    </message>
    <message>
        <source>Texto del tema</source>
        <translation>Texto do tópico</translation>
    </message>
    <message>
        <source>Buscar:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Contenidos:</source>
        <translation>Conteúdo:</translation>
    </message>
    <message>
        <source>Ningún tema contiene «%1». Pruebe con otra palabra.</source>
        <translation>Nenhum tópico contém “%1”. Tente outra palavra.</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Recuperar</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Recuperar &amp;Archivo de Sesión</source>
        <translation>Abrir Re&amp;gistro de Sessão</translation>
    </message>
    <message>
        <source>&amp;Documentar Sesión</source>
        <translation>&amp;Registrar Sessão</translation>
    </message>
    <message>
        <source>&amp;Imprimir Valores</source>
        <translation>Imprimir &amp;Valores</translation>
    </message>
    <message>
        <source>Imprimir Gra&amp;fica</source>
        <translation>Imprimir Grá&amp;fico</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Edición</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copiar Pantalla al Portapapeles</source>
        <translation>&amp;Copiar Tela para a Área de Transferência</translation>
    </message>
    <message>
        <source>&amp;Ver</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Valores &amp;Extremos</source>
        <translation>Valores &amp;Extremos</translation>
    </message>
    <message>
        <source>Gráfico &amp;Posiciones</source>
        <translation>Gráfico de &amp;Posições</translation>
    </message>
    <message>
        <source>Gráfico &amp;Velocidades</source>
        <translation>Gráfico de &amp;Velocidades</translation>
    </message>
    <message>
        <source>&amp;Repetir</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>E&amp;scala/10</source>
        <translation>E&amp;scala/10</translation>
    </message>
    <message>
        <source>&amp;Modelo</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>&amp;Colores para proyector</source>
        <translation>&amp;Cores para Projetor</translation>
    </message>
    <message>
        <source>&amp;Blanco</source>
        <translation>Al&amp;vo</translation>
    </message>
    <message>
        <source>&amp;Colocar</source>
        <translation>&amp;Posicionar</translation>
    </message>
    <message>
        <source>A&amp;ctividades</source>
        <translation>A&amp;tividades</translation>
    </message>
    <message>
        <source>&amp;Trabajo Práctico</source>
        <translation>&amp;Trabalho Prático</translation>
    </message>
    <message>
        <source>&amp;Problemas</source>
        <translation>&amp;Problemas</translation>
    </message>
    <message>
        <source>&amp;LANZAR</source>
        <translation>&amp;LANÇAR</translation>
    </message>
    <message>
        <source>&amp;Parar</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>B&amp;orrar</source>
        <translation>Apa&amp;gar</translation>
    </message>
    <message>
        <source>A&amp;YUDA</source>
        <translation>A&amp;JUDA</translation>
    </message>
    <message>
        <source>&amp;Contenidos</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Buscar</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Acerca de Trayecta</source>
        <translation>&amp;Sobre o Trayecta</translation>
    </message>
    <message>
        <source>Dialog Caption</source>
        <translation>Título do Diálogo</translation>
    </message>
    <message>
        <source>Bitácoras guardadas</source>
        <translation>Registros salvos</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>¿Salir sin guardar la experiencia?</source>
        <translation>Sair sem salvar o experimento?</translation>
    </message>
    <message>
        <source>¿Salir sin guardar las %1 experiencias?</source>
        <translation>Sair sem salvar os %1 experimentos?</translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>No se pudo guardar el idioma en %1: sigue marcado el que estaba elegido.</source>
        <translation>Não foi possível salvar o idioma em %1: continua marcado o que estava escolhido.</translation>
    </message>
    <message>
        <source>El idioma elegido se verá la próxima vez que se abra Trayecta.</source>
        <translation>O idioma escolhido será usado a partir da próxima vez que o Trayecta for aberto.</translation>
    </message>
    <message>
        <source>Escena del lanzamiento</source>
        <translation>Cena do lançamento</translation>
    </message>
    <message>
        <source>Línea de estado</source>
        <translation>Linha de status</translation>
    </message>
    <message>
        <source>* Haga Click y 
Arrastre el punto 
de lanzamiento
(Cruz del origen)</source>
        <extracomment>Short lines: the box is 170 pixels wide.</extracomment>
        <translation>* Clique e 
arraste o ponto 
de lançamento
(cruz da origem)</translation>
    </message>
    <message>
        <source>* Haga Click en los 
puntos graficados
para obtener los
vectores :
Velocidad: verde
Aceleracion: rojo</source>
        <extracomment>Short lines: the box is 170 pixels wide.</extracomment>
        <translation>* Clique nos 
pontos do gráfico
para obter os
vetores:
Velocidade: verde
Aceleração: vermelho</translation>
    </message>
    <message>
        <source>¿ Desea que este anuncio 
 aparezca al arrancar 
luego el programa ?</source>
        <extracomment>Three lines: the box is 344 pixels wide.</extracomment>
        <translation>Deseja que este aviso 
 apareça na próxima vez 
que o programa iniciar?</translation>
    </message>
    <message>
        <source>Sugerencias</source>
        <translation>Sugestões</translation>
    </message>
    <message>
        <source>Sugerencia: el punto de lanzamiento</source>
        <translation>Sugestão: o ponto de lançamento</translation>
    </message>
    <message>
        <source>Sugerencia: los vectores de una marca</source>
        <translation>Sugestão: os vetores de uma marca</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>&amp;Automático</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>&amp;Tamaño de la ventana</source>
        <translation>&amp;Tamanho da Janela</translation>
    </message>
    <message>
        <source>El tamaño %1 % no cabe en esta pantalla (%2 × %3 disponibles). El mayor que cabe es %4 %.</source>
        <translation>O tamanho %1 % não cabe nesta tela (%2 × %3 disponíveis). O maior que cabe é %4 %.</translation>
    </message>
    <message>
        <source>No se pudo guardar el tamaño de la ventana en %1: sigue marcado el tamaño que estaba guardado.</source>
        <translation>Não foi possível salvar o tamanho da janela em %1: continua marcado o tamanho que estava salvo.</translation>
    </message>
    <message>
        <source>El nuevo tamaño de la ventana se verá la próxima vez que se abra Trayecta.</source>
        <translation>O novo tamanho da janela será usado a partir da próxima vez que o Trayecta for aberto.</translation>
    </message>
    <message>
        <source> Mientras QT_SCALE_FACTOR o QT_SCREEN_SCALE_FACTORS estén fijadas, mandan ellas.</source>
        <translation> Enquanto QT_SCALE_FACTOR ou QT_SCREEN_SCALE_FACTORS estiverem definidas, elas prevalecem.</translation>
    </message>
    <message>
        <source>Trabajo Práctico</source>
        <translation>Trabalho Prático</translation>
    </message>
    <message>
        <source>Texto del trabajo práctico</source>
        <translation>Texto do trabalho prático</translation>
    </message>
    <message>
        <source>Copiar al Portapapeles</source>
        <translation>Copiar para a Área de Transferência</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Archivos de Sesiones Realizadas</source>
        <translation>Arquivos de Sessões Realizadas</translation>
    </message>
    <message>
        <source>Bitácoras de sesión</source>
        <translation>Registros de sessão</translation>
    </message>
    <message>
        <source>Contenido de la bitácora</source>
        <translation>Conteúdo do registro</translation>
    </message>
    <message>
        <source>Copiar  al Portapapeles</source>
        <translation>Copiar para a Área de Transferência</translation>
    </message>
    <message>
        <source>Los Gráficos anteriores serán borrados</source>
        <translation>Os gráficos anteriores serão apagados</translation>
    </message>
    <message>
        <source>Marcador del blanco</source>
        <translation>Marcador do alvo</translation>
    </message>
    <message>
        <source>Cruz del punto de lanzamiento</source>
        <translation>Cruz do ponto de lançamento</translation>
    </message>
    <message>
        <source>Se arrastra con el mouse; con la escena enfocada, Tab lo elige y las flechas lo mueven</source>
        <translation>Arraste-o com o mouse; com a cena em foco, Tab o seleciona e as setas o movem</translation>
    </message>
    <message>
        <source>Se arrastra con el mouse; con la escena enfocada, las flechas la mueven</source>
        <translation>Arraste-a com o mouse; com a cena em foco, as setas a movem</translation>
    </message>
    <message>
        <source>Tabla</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>%1 en %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Tabla de la muestra</source>
        <translation>Tabela da amostra</translation>
    </message>
    <message>
        <source>Leyenda de la comparación</source>
        <translation>Legenda da comparação</translation>
    </message>
    <message>
        <source>Experiencia %1</source>
        <translation>Experimento %1</translation>
    </message>
    <message>
        <source>Velocidades Instantáneas</source>
        <translation>Velocidades Instantâneas</translation>
    </message>
    <message>
        <source>Gráfica de la experiencia elegida en función del tiempo</source>
        <translation>Gráfico do experimento escolhido em função do tempo</translation>
    </message>
    <message>
        <source>tiempo</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>Posiciones Y</source>
        <translation>Posições Y</translation>
    </message>
    <message>
        <source>Velocidades Vy</source>
        <translation>Velocidades Vy</translation>
    </message>
    <message>
        <source>Experiencia Nro.</source>
        <translation>Experimento Nº</translation>
    </message>
    <message>
        <source>Experiencia anterior</source>
        <translation>Experimento anterior</translation>
    </message>
    <message>
        <source>Muestra la experiencia anterior (flecha abajo en Experiencia Nro.)</source>
        <translation>Mostra o experimento anterior (seta para baixo em Experimento Nº)</translation>
    </message>
    <message>
        <source>Experiencia siguiente</source>
        <translation>Próximo experimento</translation>
    </message>
    <message>
        <source>Muestra la experiencia siguiente (flecha arriba en Experiencia Nro.)</source>
        <translation>Mostra o próximo experimento (seta para cima em Experimento Nº)</translation>
    </message>
    <message>
        <source>Ver Posiciones</source>
        <translation>Ver Posições</translation>
    </message>
    <message>
        <source>Gráfica al Portapapeles</source>
        <translation>Gráfico para a Área de Transferência</translation>
    </message>
    <message>
        <source>Datos al Portapapeles</source>
        <translation>Dados para a Área de Transferência</translation>
    </message>
    <message>
        <source>Comparar gráficas</source>
        <translation>Comparar Gráficos</translation>
    </message>
    <message>
        <source>Ver Velocidades</source>
        <translation>Ver Velocidades</translation>
    </message>
    <message>
        <source>Posiciones</source>
        <translation>Posições</translation>
    </message>
    <message>
        <source>Velocidades Instantaneas</source>
        <translation>Velocidades Instantâneas</translation>
    </message>
    <message>
        <source>Tabla de posiciones</source>
        <translation>Tabela de posições</translation>
    </message>
    <message>
        <source>Tabla de velocidades</source>
        <translation>Tabela de velocidades</translation>
    </message>
    <message>
        <source>Columnas: t en s, X en m, Y en m</source>
        <translation>Colunas: t em s, X em m, Y em m</translation>
    </message>
    <message>
        <source>Columnas: t en s, Vx en m/s, Vy en m/s</source>
        <translation>Colunas: t em s, Vx em m/s, Vy em m/s</translation>
    </message>
    <message>
        <source>Velocidades Vx</source>
        <translation>Velocidades Vx</translation>
    </message>
    <message>
        <source>Posiciones X</source>
        <translation>Posições X</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Chumbo</translation>
    </message>
    <message>
        <source>Acero</source>
        <translation>Aço</translation>
    </message>
    <message>
        <source>Piedra</source>
        <translation>Pedra</translation>
    </message>
    <message>
        <source>Hielo</source>
        <translation>Gelo</translation>
    </message>
    <message>
        <source>Madera</source>
        <translation>Madeira</translation>
    </message>
    <message>
        <source>Otro material</source>
        <translation>Outro material</translation>
    </message>
    <message>
        <source>Velocidad inicial Vo, m/s</source>
        <translation>Velocidade inicial Vo, m/s</translation>
    </message>
    <message>
        <source>Ángulo inicial θ, grados</source>
        <translation>Ângulo de lançamento θ, graus</translation>
    </message>
    <message>
        <source>X inicial Xo, m</source>
        <translation>X inicial Xo, m</translation>
    </message>
    <message>
        <source>Y inicial Yo, m</source>
        <translation>Y inicial Yo, m</translation>
    </message>
    <message>
        <source>X inicial del blanco Xo, m</source>
        <translation>X inicial do alvo Xo, m</translation>
    </message>
    <message>
        <source>Y inicial del blanco Yo, m</source>
        <translation>Y inicial do alvo Yo, m</translation>
    </message>
    <message>
        <source>Velocidad X del blanco Vx, m/s</source>
        <translation>Velocidade X do alvo Vx, m/s</translation>
    </message>
    <message>
        <source>Velocidad Y del blanco Vy, m/s</source>
        <translation>Velocidade Y do alvo Vy, m/s</translation>
    </message>
    <message>
        <source>Radio de la partícula, cm</source>
        <translation>Raio da partícula, cm</translation>
    </message>
    <message>
        <source>Viento horizontal, m/s</source>
        <translation>Vento horizontal, m/s</translation>
    </message>
    <message>
        <source>Aumentar %1</source>
        <translation>Aumentar %1</translation>
    </message>
    <message>
        <source>Suma %1 a %2 (flecha arriba o Re Pág en su caja)</source>
        <translation>Soma %1 a %2 (seta para cima ou Page Up na sua caixa)</translation>
    </message>
    <message>
        <source>Disminuir %1</source>
        <translation>Diminuir %1</translation>
    </message>
    <message>
        <source>Resta %1 a %2 (flecha abajo o Av Pág en su caja)</source>
        <translation>Subtrai %1 de %2 (seta para baixo ou Page Down na sua caixa)</translation>
    </message>
    <message>
        <source>Condiciones iniciales</source>
        <translation>Condições Iniciais</translation>
    </message>
    <message>
        <source>Blanco</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Vacío</source>
        <translation>Vácuo</translation>
    </message>
    <message>
        <source> Aire</source>
        <translation> Ar</translation>
    </message>
    <message>
        <source>Viento (m/S)</source>
        <translation>Vento (m/S)</translation>
    </message>
    <message>
        <source>Partícula</source>
        <translation>Partícula</translation>
    </message>
    <message>
        <source>Material de la partícula</source>
        <translation>Material da partícula</translation>
    </message>
    <message>
        <source>Forma de la partícula</source>
        <translation>Forma da partícula</translation>
    </message>
    <message>
        <source>Lanzar</source>
        <translation>Lançar</translation>
    </message>
    <message>
        <source>Lanza la partícula con los valores de los paneles</source>
        <translation>Lança a partícula com os valores dos painéis</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Detiene el vuelo en curso</source>
        <translation>Interrompe o voo em andamento</translation>
    </message>
    <message>
        <source>Valor fuera de rango</source>
        <translation>Valor fora do intervalo</translation>
    </message>
    <message>
        <source>Ingrese la densidad, entre 0.01 y 20</source>
        <translation>Digite a densidade, entre 0.01 e 20</translation>
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
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Muestra</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>Intro abre la tabla de la muestra</source>
        <translation>Enter abre a tabela da amostra</translation>
    </message>
    <message>
        <source>Al comienzo (Inicio)</source>
        <translation>Ir para o início (Home)</translation>
    </message>
    <message>
        <source>Muestra anterior (flecha izquierda)</source>
        <translation>Amostra anterior (seta para a esquerda)</translation>
    </message>
    <message>
        <source>Reproducir</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Reproducir o pausar (barra espaciadora)</source>
        <translation>Reproduzir ou pausar (barra de espaço)</translation>
    </message>
    <message>
        <source>Muestra siguiente (flecha derecha)</source>
        <translation>Próxima amostra (seta para a direita)</translation>
    </message>
    <message>
        <source>Al final (Fin)</source>
        <translation>Ir para o final (End)</translation>
    </message>
    <message>
        <source>Ritmo</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>el del vuelo</source>
        <translation>o do voo</translation>
    </message>
    <message>
        <source>tiempo real</source>
        <translation>tempo real</translation>
    </message>
    <message>
        <source>Tiempo real: una muestra cada 0,75 s, lo que duró en el vuelo</source>
        <translation>Tempo real: uma amostra a cada 0,75 s, o mesmo tempo que levou no voo</translation>
    </message>
    <message>
        <source>Muestra %1 de %2</source>
        <translation>Amostra %1 de %2</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>%1 (d: %2)</source>
        <comment>a material and its density in g/cm³</comment>
        <translation>%1 (d: %2)</translation>
    </message>
    <message>
        <source>trayecta: no se pudo escribir la salida estándar.</source>
        <translation>trayecta: não foi possível escrever na saída padrão.</translation>
    </message>
</context>
</TS>
