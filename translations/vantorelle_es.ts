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
