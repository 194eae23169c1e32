<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CalculationView</name>
    <message>
        <source>Share calculation</source>
        <translation>Compartir cálculo</translation>
    </message>
    <message>
        <source>Delete calculation</source>
        <translation>Eliminar cálculo</translation>
    </message>
</context>
<context>
    <name>DeleteAlert</name>
    <message>
        <source>There is no undo</source>
        <translation>No se puede deshacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
</context>
<context>
    <name>FormatAttribute</name>
    <message>
        <source>Dropframe</source>
        <translation>Drop frame</translation>
    </message>
    <message>
        <source>Frame duration/s</source>
        <translation>Duración de fotograma/s</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Frames per foot</source>
        <translation>Fotogramas por pie</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>FormatName</name>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Fotogramas</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>1000ft rolls</source>
        <translation>Rollos de 1000 ft</translation>
    </message>
    <message>
        <source>400ft rolls</source>
        <translation>Rollos de 400 ft</translation>
    </message>
    <message>
        <source>100 ft rolls</source>
        <translation>Rollos de 100 ft</translation>
    </message>
    <message>
        <source>Super 8mm</source>
        <translation>Súper 8mm</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Súper</translation>
    </message>
    <message>
        <source>DECIMAL</source>
        <translation>DECIMAL</translation>
    </message>
</context>
<context>
    <name>HistoryTopBar</name>
    <message>
        <source>Collapse history</source>
        <translation>Contraer historial</translation>
    </message>
    <message>
        <source>Expand history</source>
        <translation>Expandir historial</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Share history</source>
        <translation>Compartir historial</translation>
    </message>
    <message>
        <source>Delete all history</source>
        <translation>Borrar todo el historial</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Keypad</source>
        <translation>Teclado</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Are you sure you want to delete this item?</source>
        <translation>¿Seguro que quieres eliminar este elemento?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all history items?</source>
        <translation>¿Seguro que quieres eliminar todo el historial?</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Calculation.txt</source>
        <translation>Cálculo.txt</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Save History...</source>
        <translation>Guardar historial...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Guardar historial</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Paste Column</source>
        <translation>Pegar columna</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
</context>
<context>
    <name>NoEntriesView</name>
    <message>
        <source>No entries</source>
        <translation>Sin entradas</translation>
    </message>
</context>
<context>
    <name>PasteAlert</name>
    <message>
        <source>The column was not pasted</source>
        <translation>No se pegó la columna</translation>
    </message>
    <message>
        <source>Line %1 is not a value in the primary format:</source>
        <translation>La línea %1 no es un valor en el formato principal:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PrimaryDisplayValue</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>primary, Error</source>
        <translation>principal, Error</translation>
    </message>
</context>
<context>
    <name>SavePanel</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Footage unit</source>
        <translation>Unidad de metraje</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
</context>
<context>
    <name>SharePicker</name>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Guardar como texto…</translation>
    </message>
    <message>
        <source>Email…</source>
        <translation>Correo…</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Guardar como texto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SpokenForm</name>
    <message>
        <source>%1 drop frame</source>
        <translation>%1 drop frame</translation>
    </message>
    <message>
        <source>%1 non drop frame</source>
        <translation>%1 non drop frame</translation>
    </message>
    <message>
        <source>%1 pull down</source>
        <translation>%1 pull-down</translation>
    </message>
    <message>
        <source>%1 millimetre</source>
        <translation>%1 milímetros</translation>
    </message>
    <message>
        <source>%1 foot rolls</source>
        <translation>rollos de %1 pies</translation>
    </message>
    <message>
        <source>%1 foot</source>
        <translation>%1 pies</translation>
    </message>
    <message>
        <source>%1 perf</source>
        <translation>%1 perforaciones</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>feet and frames</source>
        <translation>pies y fotogramas</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>pie</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>fotogramas</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>decimal</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>super</source>
        <translation>súper</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>cero</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>double zero</source>
        <translation>doble cero</translation>
    </message>
    <message>
        <source>point</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>borrar todo</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>timecode divide</source>
        <translation>división por timecode</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>unknown operation</source>
        <translation>operación desconocida</translation>
    </message>
    <message>
        <source>%1 frames per second</source>
        <translation>%1 fotogramas por segundo</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>principal</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
</context>
<context>
    <name>framewright::PersistenceController</name>
    <message>
        <source>the folder for %1 cannot be made, because a file stands in its path</source>
        <translation>no se puede crear la carpeta de %1 porque hay un archivo en su ruta</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>you do not have permission to write %1</source>
        <translation>no tienes permiso para escribir %1</translation>
    </message>
    <message>
        <source>the disk holding %1 is full</source>
        <translation>el disco que contiene %1 está lleno</translation>
    </message>
    <message>
        <source>the disk reported an error writing %1</source>
        <translation>el disco informó de un error al escribir %1</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>no se puede usar %1 (%2)</translation>
    </message>
    <message>
        <source>History can&apos;t be saved: %1. This session&apos;s calculations are kept until you quit.</source>
        <translation>No se puede guardar el historial: %1. Los cálculos de esta sesión se conservan hasta que salgas.</translation>
    </message>
</context>
</TS>
