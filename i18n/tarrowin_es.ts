<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Artwork</name>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>electron</source>
        <translation>electrón</translation>
    </message>
    <message>
        <source>electron releasing energy</source>
        <translation>electrón que cede energía</translation>
    </message>
    <message>
        <source>electron receiving energy</source>
        <translation>electrón que recibe energía</translation>
    </message>
    <message>
        <source>ammeter</source>
        <translation>amperímetro</translation>
    </message>
    <message>
        <source>free software under the MIT licence</source>
        <translation>software libre con licencia MIT</translation>
    </message>
</context>
<context>
    <name>Circuit</name>
    <message>
        <source>Single Bulb</source>
        <translation>Una bombilla</translation>
    </message>
    <message>
        <source>Two Bulbs in Series</source>
        <translation>Dos bombillas en serie</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel</source>
        <translation>Dos bombillas en paralelo</translation>
    </message>
    <message>
        <source>Three Bulbs in Series and Parallel</source>
        <translation>Tres bombillas en serie y en paralelo</translation>
    </message>
    <message>
        <source>Bulb and Switch in Series</source>
        <translation>Bombilla e interruptor en serie</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, One in Series with a Switch</source>
        <translation>Dos bombillas en paralelo, una en serie con un interruptor</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, Switch in Series with Both</source>
        <translation>Dos bombillas en paralelo, interruptor en serie con ambas</translation>
    </message>
    <message>
        <source>Bulb and Resistor in Series</source>
        <translation>Bombilla y resistencia en serie</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, One in Series with a Resistor</source>
        <translation>Dos bombillas en paralelo, una en serie con una resistencia</translation>
    </message>
    <message>
        <source>Bulb and Variable Resistor in Series</source>
        <translation>Bombilla y resistencia variable en serie</translation>
    </message>
    <message>
        <source>Two Resistors in Series</source>
        <translation>Dos resistencias en serie</translation>
    </message>
    <message>
        <source>Two Resistors in Parallel</source>
        <translation>Dos resistencias en paralelo</translation>
    </message>
    <message>
        <source>Two Unequal Resistors in Series</source>
        <translation>Dos resistencias distintas en serie</translation>
    </message>
    <message>
        <source>Two Unequal Resistors in Parallel</source>
        <translation>Dos resistencias distintas en paralelo</translation>
    </message>
    <message>
        <source>Two Bulbs in Parallel, Both in Series with a Switch</source>
        <translation>Dos bombillas en paralelo, ambas en serie con un interruptor</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>current at power supply (electrons per second)</source>
        <translation>corriente en la fuente (electrones por segundo)</translation>
    </message>
    <message>
        <source>model, with its 95% interval</source>
        <translation>modelo, con su intervalo del 95 %</translation>
    </message>
    <message>
        <source>ideal circuit (Ohm&apos;s and Kirchhoff&apos;s laws)</source>
        <translation>circuito ideal (leyes de Ohm y de Kirchhoff)</translation>
    </message>
    <message>
        <source>Single, series and parallel bulbs</source>
        <translation>Una bombilla, bombillas en serie y en paralelo</translation>
    </message>
    <message>
        <source>0 to 3 cells</source>
        <translation>0 a 3 pilas</translation>
    </message>
    <message>
        <source>The variable resistor&apos;s 15 settings</source>
        <translation>Los 15 ajustes de la resistencia variable</translation>
    </message>
    <message>
        <source>Bulb against resistor</source>
        <translation>Bombilla frente a resistencia</translation>
    </message>
    <message>
        <source>The switches open and closed</source>
        <translation>Los interruptores abiertos y cerrados</translation>
    </message>
    <message>
        <source>All %1 circuits with 1 to 3 cells</source>
        <translation>Los %1 circuitos con 1 a 3 pilas</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pila</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 pilas</translation>
    </message>
    <message>
        <source>switch open</source>
        <translation>interruptor abierto</translation>
    </message>
    <message>
        <source>resistance %1 of %2</source>
        <translation>resistencia %1 de %2</translation>
    </message>
    <message>
        <source>Compare Circuits</source>
        <translation>Comparar circuitos</translation>
    </message>
    <message>
        <source>Your choice of circuits and cells</source>
        <translation>Circuitos y pilas a elegir</translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation>&amp;Comparar:</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Medir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Midiendo</translation>
    </message>
    <message>
        <source>Copy &amp;data</source>
        <translation>Copiar los &amp;datos</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>Measuring 10 minutes of each circuit: %1 of %2 done</source>
        <translation>Midiendo 10 minutos de cada circuito: %1 de %2 hechas</translation>
    </message>
    <message>
        <source>%1 runs of 10 minutes measured in %2 s</source>
        <translation>%1 series de 10 minutos medidas en %2 s</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 measured</source>
        <translation>Cancelado: %1 de %2 medidas</translation>
    </message>
    <message>
        <source>Choose what to compare, then Measure.</source>
        <translation>Elija qué comparar y luego Medir.</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>circuito</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>ajustes</translation>
    </message>
    <message>
        <source>current (electrons per second)</source>
        <translation>corriente (electrones por segundo)</translation>
    </message>
    <message>
        <source>low</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>high</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>times the reference</source>
        <translation>veces la referencia</translation>
    </message>
    <message>
        <source>ideal times the reference</source>
        <translation>ideal veces la referencia</translation>
    </message>
    <message>
        <source>load %1</source>
        <translation>carga %1</translation>
    </message>
    <message>
        <source>energy per second</source>
        <translation>energía por segundo</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>×%1 (ideal ×%2)</source>
        <translation>×%1 (ideal ×%2)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>no cells</source>
        <translation>ninguna pila</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pila</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 pilas</translation>
    </message>
    <message>
        <source>%1, the right way round</source>
        <translation>%1, en el sentido correcto</translation>
    </message>
    <message>
        <source>%1, turned round</source>
        <translation>%1, al revés</translation>
    </message>
    <message>
        <source>current: about %1 of %2</source>
        <translation>intensidad: unos %1 de %2</translation>
    </message>
    <message>
        <source>%1, to the right</source>
        <translation>%1, hacia la derecha</translation>
    </message>
    <message>
        <source>%1, to the left</source>
        <translation>%1, hacia la izquierda</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>bombilla</translation>
    </message>
    <message>
        <source>light bulb %1</source>
        <translation>bombilla %1</translation>
    </message>
    <message>
        <source>%1: bright</source>
        <translation>%1: brillante</translation>
    </message>
    <message>
        <source>%1: dim</source>
        <translation>%1: tenue</translation>
    </message>
    <message>
        <source>%1: faint</source>
        <translation>%1: muy tenue</translation>
    </message>
    <message>
        <source>%1: off</source>
        <translation>%1: apagada</translation>
    </message>
    <message>
        <source>switch open</source>
        <translation>interruptor abierto</translation>
    </message>
    <message>
        <source>switch closed</source>
        <translation>interruptor cerrado</translation>
    </message>
    <message>
        <source>variable resistor: %1 of %2</source>
        <translation>resistencia variable: %1 de %2</translation>
    </message>
</context>
<context>
    <name>DialogBar</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>tarrowin model</source>
        <translation>modelo Tarrowin</translation>
    </message>
    <message>
        <source>circuit diagram</source>
        <translation>esquema del circuito</translation>
    </message>
    <message>
        <source>picture of circuit</source>
        <translation>imagen del circuito</translation>
    </message>
    <message>
        <source>switch polarity</source>
        <translation>invertir la polaridad</translation>
    </message>
    <message>
        <source>off</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>on</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>No. of Power Cells</source>
        <translation>Número de pilas</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Tag Electron</source>
        <translation>Marcar un electrón</translation>
    </message>
    <message>
        <source>Show Labels</source>
        <translation>Mostrar nombres</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>interruptor</translation>
    </message>
    <message>
        <source>variable resistor</source>
        <translation>resistencia variable</translation>
    </message>
    <message>
        <source>Visualisation of Energy</source>
        <translation>Visualización de la energía</translation>
    </message>
    <message>
        <source>Vary Mean Speed</source>
        <translation>Variar la velocidad</translation>
    </message>
    <message>
        <source>Pulsate</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Electron Key</source>
        <translation>Leyenda de los electrones</translation>
    </message>
    <message>
        <source>Current at Power Supply</source>
        <translation>Intensidad en el generador</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso a paso</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>half speed</source>
        <translation>media velocidad</translation>
    </message>
    <message>
        <source>quarter speed</source>
        <translation>un cuarto de velocidad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Tarrowin</source>
        <translation>Tarrowin</translation>
    </message>
    <message>
        <source>Tarrowin user guide</source>
        <translation>Guía de uso (en inglés)</translation>
    </message>
    <message>
        <source>Tarrowin 1.0, free software under the MIT licence</source>
        <translation>Tarrowin 1.0, software libre con licencia MIT</translation>
    </message>
    <message>
        <source>About Tarrowin</source>
        <translation>Acerca de Tarrowin</translation>
    </message>
    <message>
        <source>the electrons moving in the wires</source>
        <translation>los electrones que se mueven por los cables</translation>
    </message>
    <message>
        <source>turns the power supply round</source>
        <translation>da la vuelta al generador</translation>
    </message>
    <message>
        <source>rings one electron so its path can be followed</source>
        <translation>rodea un electrón para seguir su camino</translation>
    </message>
    <message>
        <source>names the parts of the circuit</source>
        <translation>nombra los componentes del circuito</translation>
    </message>
    <message>
        <source>electrons carrying energy move faster</source>
        <translation>los electrones que llevan energía se mueven más rápido</translation>
    </message>
    <message>
        <source>electrons carrying energy flash and shake</source>
        <translation>los electrones que llevan energía parpadean y tiemblan</translation>
    </message>
    <message>
        <source>no cells</source>
        <translation>ninguna pila</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pila</translation>
    </message>
    <message>
        <source>2 cells</source>
        <translation>2 pilas</translation>
    </message>
    <message>
        <source>3 cells</source>
        <translation>3 pilas</translation>
    </message>
    <message>
        <source>switch off</source>
        <translation>interruptor abierto</translation>
    </message>
    <message>
        <source>switch on</source>
        <translation>interruptor cerrado</translation>
    </message>
    <message>
        <source>less resistance</source>
        <translation>menos resistencia</translation>
    </message>
    <message>
        <source>more resistance</source>
        <translation>más resistencia</translation>
    </message>
</context>
<context>
    <name>HyperLink</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se ha encontrado el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se ha encontrado la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo ha denegado
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE que no es Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se ha producido una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo es
incompleta o no válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se ha podido
completar porque la solicitud ha caducado.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE ha fallado.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se ha podido
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se ha encontrado la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se ha producido un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Can&apos;t open link:

</source>
        <translation>No se puede abrir el enlace:

</translation>
    </message>
</context>
<context>
    <name>Label</name>
    <message>
        <source>power supply</source>
        <translation>generador</translation>
    </message>
    <message>
        <source>resistor</source>
        <translation>resistencia</translation>
    </message>
    <message>
        <source>light bulb</source>
        <translation>bombilla</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>interruptor</translation>
    </message>
    <message>
        <source>variable resistor</source>
        <translation>resistencia variable</translation>
    </message>
    <message>
        <source>light bulb 2</source>
        <translation>bombilla 2</translation>
    </message>
    <message>
        <source>light bulb 1</source>
        <translation>bombilla 1</translation>
    </message>
    <message>
        <source>light bulb 3</source>
        <translation>bombilla 3</translation>
    </message>
    <message>
        <source>resistor 2</source>
        <translation>resistencia 2</translation>
    </message>
    <message>
        <source>resistor 1</source>
        <translation>resistencia 1</translation>
    </message>
    <message>
        <source>resistor (high R)</source>
        <translation>resistencia (R alta)</translation>
    </message>
    <message>
        <source>resistor (low R)</source>
        <translation>resistencia (R baja)</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Shows how electrons carry energy round simple circuits.</source>
        <translation>Muestra cómo los electrones llevan la energía por circuitos sencillos.</translation>
    </message>
    <message>
        <source>Starts with circuit &lt;n&gt;, 1 to %1 in the Circuit menu&apos;s order.</source>
        <translation>Empieza con el circuito &lt;n&gt;, del 1 al %1 en el orden del menú Circuito.</translation>
    </message>
    <message>
        <source>Gives that circuit &lt;n&gt; cells, 0 to 3.</source>
        <translation>Da &lt;n&gt; pilas a ese circuito, de 0 a 3.</translation>
    </message>
    <message>
        <source>Shows the circuit as the Tarrowin model (ball), the circuit diagram (diagram) or the picture of the circuit (picture).</source>
        <translation>Muestra el circuito como modelo Tarrowin (ball), como esquema (diagram) o como imagen del circuito (picture).</translation>
    </message>
    <message>
        <source>Gives the whole screen to the circuit once the logo has gone.</source>
        <translation>Muestra el circuito a pantalla completa en cuanto desaparece el logotipo.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; --help lists the options</source>
        <translation>argumento inesperado «%1»; --help muestra las opciones</translation>
    </message>
    <message>
        <source>--circuit needs a number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--circuit necesita un número del 1 al %1, no «%2»</translation>
    </message>
    <message>
        <source>--cells needs a number from 0 to 3, not &quot;%1&quot;</source>
        <translation>--cells necesita un número del 0 al 3, no «%1»</translation>
    </message>
    <message>
        <source>--display needs ball, diagram or picture, not &quot;%1&quot;</source>
        <translation>--display necesita ball, diagram o picture, no «%1»</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>current at power supply</source>
        <translation>intensidad en el generador</translation>
    </message>
    <message>
        <source>energy per second</source>
        <translation>energía por segundo</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tiempo (s)</translation>
    </message>
    <message>
        <source>electrons per second</source>
        <translation>electrones por segundo</translation>
    </message>
    <message>
        <source>current</source>
        <translation>intensidad</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copiar los datos</translation>
    </message>
    <message>
        <source>%1 electrons per second</source>
        <translation>%1 electrones por segundo</translation>
    </message>
    <message>
        <source>current (electrons per second)</source>
        <translation>intensidad (electrones por segundo)</translation>
    </message>
    <message>
        <source>%1 (energy per second)</source>
        <translation>%1 (energía por segundo)</translation>
    </message>
    <message>
        <source>%1 +/- %2</source>
        <translation>%1 +/- %2</translation>
    </message>
    <message>
        <source>measuring the long run</source>
        <translation>midiendo a largo plazo</translation>
    </message>
    <message>
        <source>long run: measuring 10 minutes...</source>
        <translation>a largo plazo: midiendo 10 minutos...</translation>
    </message>
    <message>
        <source>long run (10 minutes): %1 electrons per second</source>
        <translation>a largo plazo (10 minutos): %1 electrones por segundo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Electron &amp;Colours</source>
        <translation>&amp;Colores de los electrones</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <source>&amp;Colour-blind safe</source>
        <translation>Aptos para &amp;daltónicos</translation>
    </message>
    <message>
        <source>More Circuits</source>
        <translation>Más circuitos</translation>
    </message>
    <message>
        <source>Circuit Chooser</source>
        <translation>Selector de circuitos</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Choose a Circuit</source>
        <translation>Elegir un circuito</translation>
    </message>
    <message>
        <source>&amp;Next Circuit</source>
        <translation>Circuito &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Circuit</source>
        <translation>Circuito &amp;anterior</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sal&amp;ir</translation>
    </message>
    <message>
        <source>&amp;No Cells</source>
        <translation>&amp;Ninguna pila</translation>
    </message>
    <message>
        <source>&amp;1 Cell</source>
        <translation>&amp;1 pila</translation>
    </message>
    <message>
        <source>&amp;2 Cells</source>
        <translation>&amp;2 pilas</translation>
    </message>
    <message>
        <source>&amp;3 Cells</source>
        <translation>&amp;3 pilas</translation>
    </message>
    <message>
        <source>Switch &amp;Polarity</source>
        <translation>Invertir la &amp;polaridad</translation>
    </message>
    <message>
        <source>&amp;Switch On</source>
        <translation>&amp;Cerrar el interruptor</translation>
    </message>
    <message>
        <source>&amp;Less Resistance</source>
        <translation>&amp;Menos resistencia</translation>
    </message>
    <message>
        <source>&amp;More Resistance</source>
        <translation>Más &amp;resistencia</translation>
    </message>
    <message>
        <source>&amp;Tag Electron</source>
        <translation>Marcar un &amp;electrón</translation>
    </message>
    <message>
        <source>&amp;Vary Mean Speed</source>
        <translation>&amp;Variar la velocidad</translation>
    </message>
    <message>
        <source>P&amp;ulsate</source>
        <translation>P&amp;ulsar</translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation>Me&amp;didas</translation>
    </message>
    <message>
        <source>Tarrowin &amp;Model</source>
        <translation>&amp;Modelo Tarrowin</translation>
    </message>
    <message>
        <source>Circuit &amp;Diagram</source>
        <translation>&amp;Esquema del circuito</translation>
    </message>
    <message>
        <source>P&amp;icture of Circuit</source>
        <translation>&amp;Imagen del circuito</translation>
    </message>
    <message>
        <source>Show &amp;Labels</source>
        <translation>Mostrar &amp;nombres</translation>
    </message>
    <message>
        <source>Full Screen Mode (ESC to Return)</source>
        <translation>Pantalla completa (Esc para volver)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>Paso a pa&amp;so</translation>
    </message>
    <message>
        <source>&amp;Normal Speed</source>
        <translation>Velocidad &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Half Speed</source>
        <translation>&amp;Media velocidad</translation>
    </message>
    <message>
        <source>&amp;Quarter Speed</source>
        <translation>&amp;Un cuarto de velocidad</translation>
    </message>
    <message>
        <source>S&amp;lower</source>
        <translation>Más &amp;lento</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Más &amp;rápido</translation>
    </message>
    <message>
        <source>&amp;About Tarrowin...</source>
        <translation>&amp;Acerca de Tarrowin...</translation>
    </message>
    <message>
        <source>&amp;Circuit</source>
        <translation>&amp;Circuito</translation>
    </message>
    <message>
        <source>C&amp;ontrols</source>
        <translation>C&amp;ontroles</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Tiempo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Reset to Defaults</source>
        <translation>&amp;Restablecer los valores predeterminados</translation>
    </message>
    <message>
        <source>Com&amp;pare Circuits...</source>
        <translation>Com&amp;parar circuitos...</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> píxeles</translation>
    </message>
    <message>
        <source>&amp;Side of the square:</source>
        <translation>&amp;Lado del cuadrado:</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <translation>No se pudo guardar la imagen como %1.

%2</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Tarrowin</source>
        <translation>Tarrowin</translation>
    </message>
</context>
</TS>
